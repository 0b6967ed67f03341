// The small pictures that appear both on the board and in the sprite strips.
// Each is drawn by one function, so a sprite and the board's own copy of it
// are the same pixels by construction.
#pragma once

#include <cstdint>

#include "canvas.h"

constexpr int kCell = 30;  // a cell is 30 × 30, 5 pixels up and left of its point

struct PegInks {
  std::uint8_t body;
  std::uint8_t shade;  // lower-right rim
};

// A peg over the red cell face, filling the hole-sized square at (x, y).
void DrawPeg(Canvas& canvas, int x, int y, PegInks inks);
// An empty hole in the red cell face.
void DrawHole(Canvas& canvas, int x, int y);
// One pip slot: a disc of the pip ink filling the slot over the die's ink, or
// the die's ink alone.
void DrawPipSlot(Canvas& canvas, int x, int y, std::uint8_t dieInk, std::uint8_t pipInk, bool pip);
// A die with rounded corners at (x, y), white or black; its corners
// leave what is under them.
void DrawDieBody(Canvas& canvas, int x, int y, bool black);
// A raised cell whose top-left hole lies at (x, y), with its four empty holes.
void DrawCell(Canvas& canvas, int x, int y);
