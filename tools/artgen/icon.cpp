#include <algorithm>
#include <cstdlib>

#include "artwork.h"

namespace {

constexpr int kLevels = 16;  // inks from white (0) to red (15)
constexpr int kSamples = 8;  // 8 × 8 samples per pixel

}  // namespace

std::array<Rgb, 16> IconPalette() {
  std::array<Rgb, kLevels> palette{};
  for (int level = 0; level < kLevels; ++level) {
    const int fade = 255 - 255 * level / (kLevels - 1);
    palette[level] = {255, static_cast<std::uint8_t>(fade), static_cast<std::uint8_t>(fade)};
  }
  return palette;
}

// A regular octagon with flat top and bottom, centred, a small white margin
// around it; its edges are smoothed by counting samples inside.
Canvas IconPicture(int n) {
  Canvas icon(n, n, 0);
  const long grid = static_cast<long>(n) * kSamples;
  const long centre = grid;  // in half samples
  // A margin of whole pixels keeps the straight sides crisp.
  const int margin = std::max(1, n / 16);
  const long apothem = static_cast<long>(n - 2 * margin) * kSamples;  // centre to a side
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const long u = std::labs(2 * (static_cast<long>(x) * kSamples + sx) + 1 - centre);
          const long v = std::labs(2 * (static_cast<long>(y) * kSamples + sy) + 1 - centre);
          // A slanted side lies at the same distance: |u| + |v| ≤ √2 · apothem.
          if (u <= apothem && v <= apothem && (u + v) * 99 <= apothem * 140) {
            ++inside;
          }
        }
      }
      const int total = kSamples * kSamples;
      icon.Set(x, y, static_cast<std::uint8_t>((inside * (kLevels - 1) + total / 2) / total));
    }
  }
  return icon;
}
