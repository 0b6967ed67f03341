#include <algorithm>
#include <string>

#include "artwork.h"
#include "board/layout.h"
#include "glyphs.h"
#include "pieces.h"
#include "shapes.h"

namespace {

// The face spans x 40 … 438 and y 41 … 437; its slanted sides cut each corner
// along a diagonal, kCut pixels from the corner along both edges, close to the
// cells at the ends of the columns.
constexpr int kLeft = 40;
constexpr int kTop = 41;
constexpr int kRight = 438;
constexpr int kBottom = 437;
constexpr int kCut = 90;
constexpr int kEdge = 2;

// The eight sides, clockwise from the top; light falls on the first three and the left one.
enum Side {
  kTopSide,
  kUpperRight,
  kRightSide,
  kLowerRight,
  kBottomSide,
  kLowerLeft,
  kLeftSide,
  kUpperLeft
};

// How many pixels (x, y) lies outside each side; a pixel is on the face when
// no side has it outside.
std::array<int, 8> Outside(int x, int y) {
  // A slanted side's distance counts diagonal steps so that its line is as
  // heavy to the eye as the straight sides.
  auto slant = [](int sum) { return sum > 0 ? (2 * sum + 2) / 3 : sum; };
  return {
      kTop - y,    slant(kCut - ((kRight - x) + (y - kTop))),
      x - kRight,  slant(kCut - ((kRight - x) + (kBottom - y))),
      y - kBottom, slant(kCut - ((x - kLeft) + (kBottom - y))),
      kLeft - x,   slant(kCut - ((x - kLeft) + (y - kTop))),
  };
}

void DrawOctagon(Canvas& board) {
  for (int y = 0; y < board.Height(); ++y) {
    for (int x = 0; x < board.Width(); ++x) {
      const std::array<int, 8> outside = Outside(x, y);
      const auto worst = std::max_element(outside.begin(), outside.end());
      if (*worst <= 0) {
        board.Set(x, y, kRed);
      } else if (*worst <= kEdge) {
        const auto side = static_cast<Side>(worst - outside.begin());
        const bool lit = side == kTopSide || side == kUpperLeft || side == kLeftSide;
        board.Set(x, y, lit ? kWhite : kBlack);
      }
    }
  }
}

// The word STOP across the middle of the face, in letters 104 pixels high made
// of rounded strokes, shown as a faint white-and-red checker.
bool InStopLettering(int x, int y) {
  constexpr int kHeight = 104;
  constexpr int kStroke = 20;
  constexpr int kWidth = 72;
  constexpr int kGap = 16;
  constexpr int kTopRow = 239 - kHeight / 2;
  constexpr int kStart = 239 - (4 * kWidth + 3 * kGap) / 2;

  auto ring = [](const RoundRect& outer, int x, int y) {
    return outer.Contains(x, y) && !outer.Inset(kStroke).Contains(x, y);
  };
  const int s = kStart;
  const int t = s + kWidth + kGap;
  const int o = t + kWidth + kGap;
  const int p = o + kWidth + kGap;
  const int bottom = kTopRow + kHeight;

  // S: two open rings, one above the other, sharing the middle stroke.
  const int half = (kHeight + kStroke) / 2;
  const RoundRect upper = {s, kTopRow, kWidth, half, {half / 2, half / 2, half / 2, half / 2}};
  const RoundRect lower = {
      s, bottom - half, kWidth, half, {half / 2, half / 2, half / 2, half / 2}};
  const bool inS = (ring(upper, x, y) && !(x >= s + kWidth / 2 && y > kTopRow + half / 2 - 4)) ||
                   (ring(lower, x, y) && !(x < s + kWidth / 2 && y < bottom - half / 2 + 4));

  const bool inT = (x >= t && x < t + kWidth && y >= kTopRow && y < kTopRow + kStroke) ||
                   (x >= t + (kWidth - kStroke) / 2 && x < t + (kWidth + kStroke) / 2 &&
                    y >= kTopRow && y < bottom);

  const RoundRect ringO = {
      o, kTopRow, kWidth, kHeight, {kWidth / 2, kWidth / 2, kWidth / 2, kWidth / 2}};
  const bool inO = ring(ringO, x, y);

  const int bowl = kHeight * 3 / 5;
  const RoundRect bowlP = {p, kTopRow, kWidth, bowl, {0, bowl / 2, bowl / 2, 0}};
  const bool inP = ring(bowlP, x, y) || (x >= p && x < p + kStroke && y >= kTopRow && y < bottom);

  return inS || inT || inO || inP;
}

void DrawStopLettering(Canvas& board) {
  for (int y = 0; y < board.Height(); ++y) {
    for (int x = 0; x < board.Width(); ++x) {
      if (InOctagonFace(x, y) && InStopLettering(x, y) && (x + y) % 2 == 0) {
        board.Set(x, y, kWhite);
      }
    }
  }
}

int ColumnCells(int column) {
  int cells = 0;
  while (cells < 13 && g_ptCell[column][cells].x != 0) {
    ++cells;
  }
  return cells;
}

// Each column's number sits on the field a little above the octagon's edge,
// centred over the column's top cell.
void DrawColumnNumbers(Canvas& board) {
  const PixelFont& font = SmallFont();
  for (int column = 2; column <= 12; ++column) {
    const CPoint top = g_ptCell[column][ColumnCells(column) - 1];
    const std::string number = std::to_string(column);
    const int width = TextWidth(font, number);
    const int left = top.x + 10 - width / 2;
    int edge = board.Height();
    for (int x = left; x < left + width; ++x) {
      int y = 0;
      while (board.At(x, y) == kOlive) {
        ++y;
      }
      edge = std::min(edge, y);
    }
    DrawText(board, font, number, left, edge - 4 - font.height, kWhite);
  }
}

}  // namespace

bool InOctagonFace(int x, int y) {
  const std::array<int, 8> outside = Outside(x, y);
  return *std::max_element(outside.begin(), outside.end()) <= 0;
}

Canvas BoardPicture() {
  Canvas board(kBoardSize, kBoardSize, kOlive);
  DrawOctagon(board);
  DrawStopLettering(board);
  for (int column = 2; column <= 12; ++column) {
    for (int cell = 0; cell < ColumnCells(column); ++cell) {
      DrawCell(board, g_ptCell[column][cell].x, g_ptCell[column][cell].y);
    }
  }
  DrawColumnNumbers(board);
  for (const CPoint& place : g_ptDie) {
    DrawDieBody(board, place.x, place.y, false);
  }
  return board;
}
