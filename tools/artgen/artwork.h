// Every picture of the game, each drawn from code.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "canvas.h"
#include "palette.h"

Canvas BoardPicture();   // 480 × 480: field, octagon, cells, numbers, die places
Canvas PegStrip();       // 175 × 14: pegs, the empty hole, pip slots
Canvas DicePicture();    // 144 × 73: the white and the black die
Canvas ButtonPicture();  // 120 × 53: STOP and ROLL pressed and live, the blank button
Canvas Banner(std::string_view words);  // 158 × 34

// The program's icon at n × n pixels, with its own palette.
Canvas IconPicture(int n);
std::array<Rgb, 16> IconPalette();

// The red face of the octagon, for the pictures that lie on it.
bool InOctagonFace(int x, int y);
