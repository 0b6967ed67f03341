#include "shapes.h"

#include <algorithm>

namespace {

// Whether the doubled pixel centre (cx, cy) lies within the corner circle of
// doubled radius r whose doubled centre is (ox, oy), when it is in that corner.
bool InCorner(int cx, int cy, int ox, int oy, int r) {
  const long dx = cx - ox;
  const long dy = cy - oy;
  return dx * dx + dy * dy <= static_cast<long>(r) * r;
}

}  // namespace

bool RoundRect::Contains(int x, int y) const {
  if (x < left || y < top || x >= left + width || y >= top + height) {
    return false;
  }
  // Work in half pixels: the centre of pixel x lies at 2x + 1.
  const int cx = 2 * x + 1;
  const int cy = 2 * y + 1;
  const int l = 2 * left;
  const int t = 2 * top;
  const int r = 2 * (left + width);
  const int b = 2 * (top + height);
  const int tl = 2 * radius[0];
  const int tr = 2 * radius[1];
  const int br = 2 * radius[2];
  const int bl = 2 * radius[3];
  if (cx < l + tl && cy < t + tl) {
    return InCorner(cx, cy, l + tl, t + tl, tl);
  }
  if (cx > r - tr && cy < t + tr) {
    return InCorner(cx, cy, r - tr, t + tr, tr);
  }
  if (cx > r - br && cy > b - br) {
    return InCorner(cx, cy, r - br, b - br, br);
  }
  if (cx < l + bl && cy > b - bl) {
    return InCorner(cx, cy, l + bl, b - bl, bl);
  }
  return true;
}

RoundRect RoundRect::Inset(int d) const {
  RoundRect inner = {left + d, top + d, width - 2 * d, height - 2 * d, {}};
  for (int i = 0; i < 4; ++i) {
    inner.radius[i] = std::max(radius[i] - d, 0);
  }
  return inner;
}

bool InDisc(int x, int y, int n) {
  const int dx = 2 * x + 1 - n;
  const int dy = 2 * y + 1 - n;
  return dx * dx + dy * dy <= n * n;
}
