// Where everything lies on the board, in board points: pixels of the view's
// client area, x right, y down, the board covering (0, 0) to (479, 479). Each
// place shows a sprite of board/sprites.h, at the size given there.
#pragma once

#include "board/sprites.h"
#include "platform/types.h"

// Top-left hole of each cell, by column number and cell (0 = bottom); (0, 0) where there is none.
extern const CPoint g_ptCell[13][13];
// Offsets of the four holes of a cell from its point, one quadrant per seat.
extern const CPoint g_ptQuadrant[4];

// The hole of a cell's quadrant.
inline CPoint HolePoint(int column, int cell, int quadrant) {
  return {g_ptCell[column][cell].x + g_ptQuadrant[quadrant].x,
          g_ptCell[column][cell].y + g_ptQuadrant[quadrant].y};
}

// Top-left corner of each die.
extern const CPoint g_ptDie[4];
// The pip slots of each die, slot by slot: top-left, middle-left, bottom-left,
// centre, top-right, middle-right, bottom-right.
extern const CPoint g_ptPip[7][4];

// The two buttons, used without the painter's origin offset.
constexpr CPoint kStopButtonPlace = {6, 212};
constexpr CPoint kRollButtonPlace = {449, 212};

// The banner naming the seat to move or the winner.
constexpr CPoint kBannerPlace = {164, 447};

// Mouse areas, bounds inclusive.
struct CArea {
  int left, top, right, bottom;
  bool Contains(CPoint point) const {
    return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
  }
};
// The die places with the die's size.
CArea DieArea(int die);
extern const CArea kStopArea;
extern const CArea kRollArea;
