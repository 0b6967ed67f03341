#include "platform/ui/changed_region.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Pixels compared at a time along a row that differs somewhere.
constexpr int kRun = 8;

struct Span {
  int left;
  int right;  // one past the last pixel
};

// The runs of a row that differ, neighbours joined.
void DifferingSpans(const uchar* now, const uchar* shown, int width, int bytesPerPixel,
                    std::vector<Span>* spans) {
  spans->clear();
  if (std::memcmp(now, shown, static_cast<std::size_t>(width * bytesPerPixel)) == 0) {
    return;
  }
  for (int x = 0; x < width; x += kRun) {
    const int n = std::min(kRun, width - x);
    const std::size_t offset = static_cast<std::size_t>(x * bytesPerPixel);
    if (std::memcmp(now + offset, shown + offset, static_cast<std::size_t>(n * bytesPerPixel)) ==
        0) {
      continue;
    }
    if (!spans->empty() && spans->back().right == x) {
      spans->back().right = x + n;
    } else {
      spans->push_back({x, x + n});
    }
  }
}

}  // namespace

QRegion ChangedRegion(const QImage& now, const QImage& shown) {
  if (now.size() != shown.size() || now.format() != shown.format()) {
    return QRegion(now.rect());
  }
  const int bytesPerPixel = std::max(now.depth() / 8, 1);
  QRegion changed;
  // Rectangles still growing downwards: a span repeated on the next row
  // lengthens its rectangle rather than starting one.
  std::vector<QRect> growing;
  std::vector<QRect> next;
  std::vector<Span> spans;
  for (int y = 0; y < now.height(); ++y) {
    DifferingSpans(now.constScanLine(y), shown.constScanLine(y), now.width(), bytesPerPixel,
                   &spans);
    next.clear();
    for (const Span& span : spans) {
      const auto above = std::find_if(growing.begin(), growing.end(), [&span](const QRect& r) {
        return r.left() == span.left && r.right() + 1 == span.right;
      });
      if (above != growing.end()) {
        above->setBottom(y);
        next.push_back(*above);
        above->setWidth(0);
      } else {
        next.push_back(QRect(span.left, y, span.right - span.left, 1));
      }
    }
    for (const QRect& ended : growing) {
      if (ended.width() > 0) {
        changed += ended;
      }
    }
    growing.swap(next);
  }
  for (const QRect& ended : growing) {
    changed += ended;
  }
  return changed;
}
