// Inside tests for the round shapes of the artwork, in whole numbers only so
// every machine decides every pixel the same way. A pixel is inside when its
// centre is.
#pragma once

// A w × h rectangle at (left, top) whose corners are rounded with these radii
// (top-left, top-right, bottom-right, bottom-left; 0 for a square corner).
struct RoundRect {
  int left, top, width, height;
  int radius[4];

  bool Contains(int x, int y) const;
  // The same shape shrunk by d on every side, its radii with it.
  RoundRect Inset(int d) const;
};

// A disc filling an n × n square whose top-left pixel is (0, 0).
bool InDisc(int x, int y, int n);
