// Where everything lies on the board, in board points: pixels of the view's
// client area, x right, y down, the board covering (0, 0) to (479, 479).
#pragma once

#include "platform/types.h"

// Top-left hole of each cell, by column number and cell (0 = bottom); (0, 0) where there is none.
extern const CPoint g_ptCell[13][13];
// Offsets of the four holes of a cell from its point, one quadrant per seat.
extern const CPoint g_ptQuadrant[4];
// Source of each seat's 9 × 9 peg sprite in IDB_PEGS; entry 4 is the white peg.
extern const CPoint g_ptPegSprite[5];
// Source of the empty-hole sprite in IDB_PEGS.
constexpr CPoint kEmptyHoleSprite = {75, 2};
constexpr int kHoleSize = 9;

// Top-left corner of each die, 70 × 71.
extern const CPoint g_ptDie[4];
constexpr int kDieWidth = 70;
constexpr int kDieHeight = 71;
// The 13 × 13 pip slots of each die, slot by slot: top-left, middle-left,
// bottom-left, centre, top-right, middle-right, bottom-right.
extern const CPoint g_ptPip[7][4];
constexpr int kPipSize = 13;

// The two buttons, 24 × 53, used without the painter's origin offset.
constexpr CPoint kStopButtonPlace = {6, 212};
constexpr CPoint kRollButtonPlace = {449, 212};
constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 53;
// Source x of each picture in IDB_BUTTONS.
constexpr int kStopPressedPicture = 0;
constexpr int kRollPressedPicture = 24;
constexpr int kStopLivePicture = 48;
constexpr int kRollLivePicture = 72;
constexpr int kBlankButtonPicture = 96;

// The banner naming the seat to move or the winner: 157 × 33 at (164, 447).
constexpr CPoint kBannerPlace = {164, 447};
constexpr int kBannerWidth = 157;
constexpr int kBannerHeight = 33;

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
