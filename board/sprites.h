// Where each sprite lies in the bitmaps the painter copies from, and its size.
// The artwork generator draws every sprite at these places and the painter
// copies it from them, so the two cannot drift apart.
#pragma once

#include "platform/types.h"

// IDB_BOARD: the whole board, square; the view shows it pixel for pixel.
constexpr int kBoardSize = 480;
// The olive of the field around the octagon, as 0xRRGGBB: a window larger
// than the board shows it around the board.
constexpr unsigned kBoardOliveRgb = 0x808040;

// IDB_PEGS: the 9 × 9 pegs and empty hole, and the 13 × 13 pip slots.
constexpr int kHoleSize = 9;
// Source of each seat's peg sprite; entry 4 is the white peg.
inline constexpr CPoint g_ptPegSprite[5] = {{47, 2}, {17, 2}, {32, 2}, {60, 2}, {1, 2}};
constexpr CPoint kEmptyHoleSprite = {75, 2};
constexpr int kPipSize = 13;
// A pip slot of a white and of a black die, with and without its pip.
constexpr CPoint kWhitePip = {94, 1};
constexpr CPoint kWhiteNoPip = {120, 1};
constexpr CPoint kBlackNoPip = {135, 1};
constexpr CPoint kBlackPip = {161, 1};

// IDB_DICE: the white and the black die, 70 × 71.
constexpr int kDieWidth = 70;
constexpr int kDieHeight = 71;
constexpr CPoint kWhiteDie = {1, 1};
constexpr CPoint kBlackDie = {73, 1};

// IDB_BUTTONS: five 24 × 53 pictures side by side, each by its source x.
constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 53;
constexpr int kStopPressedPicture = 0;
constexpr int kRollPressedPicture = 24;
constexpr int kStopLivePicture = 48;
constexpr int kRollLivePicture = 72;
constexpr int kBlankButtonPicture = 96;

// The banners, IDB_PLAYER1 … IDB_NOWINNER: the 157 × 33 shown from each
// bitmap's top-left corner.
constexpr int kBannerWidth = 157;
constexpr int kBannerHeight = 33;
