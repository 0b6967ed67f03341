#include "platform/ui/screen_fit.h"

#include <algorithm>
#include <cmath>

QSize LogicalSurfaceSize(QSize surface, qreal devicePixelRatio, int scale) {
  // The small tolerance keeps exact quotients from rounding up a pixel.
  const auto logical = [&](int pixels) {
    return static_cast<int>(std::ceil(pixels * scale / devicePixelRatio - 1e-9));
  };
  return {logical(surface.width()), logical(surface.height())};
}

int SurfaceScale(QSize surface, qreal devicePixelRatio, QSize chrome, QSize available) {
  const int largest = std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 1e-9)));
  for (int scale = largest; scale > 1; --scale) {
    const QSize window = LogicalSurfaceSize(surface, devicePixelRatio, scale) + chrome;
    if (window.width() <= available.width() && window.height() <= available.height()) {
      return scale;
    }
  }
  return 1;
}

int ScaleThatFits(QSize surface, qreal devicePixelRatio, QSize room) {
  int scale = 1;
  if (surface.isEmpty()) {
    return scale;
  }
  for (;;) {
    const QSize next = LogicalSurfaceSize(surface, devicePixelRatio, scale + 1);
    if (next.width() > room.width() || next.height() > room.height()) {
      return scale;
    }
    ++scale;
  }
}

int LargestScale(QSize surface, qreal devicePixelRatio, QSize chrome, QSize available) {
  return ScaleThatFits(surface, devicePixelRatio, available - chrome);
}

QPoint KeepOnScreen(QPoint topLeft, QSize outer, const QRect& available) {
  const int x = std::min(topLeft.x(), available.x() + available.width() - outer.width());
  const int y = std::min(topLeft.y(), available.y() + available.height() - outer.height());
  return {std::max(x, available.x()), std::max(y, available.y())};
}

bool UsableScaleFactor(double factor) {
  // Below 1 Qt's window is smaller than the board it must hold, and shows a
  // corner of it; above 6 the menu bar alone is wider than a 1024-pixel screen.
  constexpr double kSmallest = 1.0;
  constexpr double kLargest = 6.0;
  return std::isfinite(factor) && factor >= kSmallest && factor <= kLargest;
}
