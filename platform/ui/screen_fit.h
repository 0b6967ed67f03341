// How the fixed-size window fits the screen it is shown on.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Device pixels per surface pixel: the largest whole number, at least 1 and
// not above the device pixel ratio rounded up, at which the window (the
// surface plus `chrome` logical pixels of menu bar and frame around it) still
// fits the `available` logical size. The board is pixel art: a whole number
// keeps it crisp, and a window larger than the screen would hide its menu.
int SurfaceScale(QSize surface, qreal devicePixelRatio, QSize chrome, QSize available);

// The logical size that shows `surface` pixels at `scale` device pixels each.
QSize LogicalSurfaceSize(QSize surface, qreal devicePixelRatio, int scale);

// The largest whole-number scale, at least 1, at which `surface` pixels fit
// within `room` logical pixels: the scale a resized window draws at.
int ScaleThatFits(QSize surface, qreal devicePixelRatio, QSize room);

// The largest whole-number scale, at least 1, whose window (the surface plus
// `chrome`) fits the `available` logical size: how far the window may grow.
int LargestScale(QSize surface, qreal devicePixelRatio, QSize chrome, QSize available);

// Moves a window's outer top-left corner so that the window lies within
// `available`; where it is larger, its top-left corner stays on it, so that
// the title bar and the menu can always be reached.
QPoint KeepOnScreen(QPoint topLeft, QSize outer, const QRect& available);

// Whether a global scale factor (QT_SCALE_FACTOR) gives the fixed-size window
// a usable size: finite, not below 1, where the board would not fit its
// window, and not so large that the menu bar alone is wider than a screen.
bool UsableScaleFactor(double factor);
