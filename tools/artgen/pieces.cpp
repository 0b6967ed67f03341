#include "pieces.h"

#include <string_view>

#include "board/layout.h"
#include "board/sprites.h"
#include "palette.h"
#include "shapes.h"

namespace {

// Offsets of a pixel's centre from the centre of an n × n square, in half pixels.
int Offset(int i, int n) {
  return 2 * i + 1 - n;
}

}  // namespace

void DrawPeg(Canvas& canvas, int x, int y, PegInks inks) {
  for (int row = 0; row < kHoleSize; ++row) {
    for (int column = 0; column < kHoleSize; ++column) {
      if (!InDisc(column, row, kHoleSize)) {
        canvas.Set(x + column, y + row, kRed);
        continue;
      }
      const int dx = Offset(column, kHoleSize);
      const int dy = Offset(row, kHoleSize);
      const bool rim = dx * dx + dy * dy > 36;
      std::uint8_t ink = inks.body;
      if (rim && dx + dy <= -6) {
        ink = kWhite;
      } else if (rim && dx + dy >= 6) {
        ink = inks.shade;
      }
      canvas.Set(x + column, y + row, ink);
    }
  }
}

void DrawHole(Canvas& canvas, int x, int y) {
  // The hole's upper-left wall lies in shadow; light catches its lower-right rim.
  static constexpr std::string_view kHoleMap[kHoleSize] = {
      "...ddd...", ".dddddd..", ".dd......", "dd......w", "d.......w",
      "d.......w", ".......w.", "......ww.", "...www...",
  };
  for (int row = 0; row < kHoleSize; ++row) {
    for (int column = 0; column < kHoleSize; ++column) {
      const char mark = kHoleMap[row][static_cast<std::size_t>(column)];
      canvas.Set(x + column, y + row, mark == 'd' ? kDarkRed : mark == 'w' ? kWhite : kRed);
    }
  }
}

void DrawPipSlot(Canvas& canvas, int x, int y, std::uint8_t dieInk, std::uint8_t pipInk, bool pip) {
  for (int row = 0; row < kPipSize; ++row) {
    for (int column = 0; column < kPipSize; ++column) {
      canvas.Set(x + column, y + row, pip && InDisc(column, row, kPipSize) ? pipInk : dieInk);
    }
  }
}

void DrawDieBody(Canvas& canvas, int x, int y, bool black) {
  // A rim two pixels wide gives the die its edge: shaded along the lower
  // right of a white die, lit along the upper left of a black one.
  const RoundRect outline = {x, y, kDieWidth, kDieHeight, {9, 9, 9, 9}};
  const RoundRect face = outline.Inset(2);
  for (int row = y; row < y + kDieHeight; ++row) {
    for (int column = x; column < x + kDieWidth; ++column) {
      if (!outline.Contains(column, row)) {
        continue;
      }
      const int towardLowerRight = Offset(column - x, kDieWidth) + Offset(row - y, kDieHeight);
      std::uint8_t ink = black ? kBlack : kWhite;
      if (!face.Contains(column, row)) {
        if (black && towardLowerRight < 0) {
          ink = kGrey;
        } else if (!black && towardLowerRight > 0) {
          ink = kLightGrey;
        }
      }
      canvas.Set(column, row, ink);
    }
  }
}

void DrawCell(Canvas& canvas, int x, int y) {
  const int left = x - 5;
  const int top = y - 5;
  constexpr int kBevel = 2;
  for (int row = 0; row < kCell; ++row) {
    for (int column = 0; column < kCell; ++column) {
      const int fromRight = kCell - 1 - column;
      const int fromBottom = kCell - 1 - row;
      std::uint8_t ink = kRed;
      if (row < kBevel || column < kBevel || fromRight < kBevel || fromBottom < kBevel) {
        // Light falls from the top left; where two bevels meet, the nearer edge wins.
        const bool light =
            (row < kBevel && row < fromRight) || (column < kBevel && column < fromBottom);
        ink = light ? kWhite : kBlack;
      }
      canvas.Set(left + column, top + row, ink);
    }
  }
  for (const CPoint& quadrant : g_ptQuadrant) {
    DrawHole(canvas, x + quadrant.x, y + quadrant.y);
  }
}
