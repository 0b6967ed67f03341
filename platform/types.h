// The few window-system value types the game is written against.
#pragma once

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Raster operation of a block copy that replaces the destination by the source.
constexpr DWORD SRCCOPY = 0x00CC0020;

// A point in some window's client coordinates: x to the right, y downwards.
struct CPoint {
  int x;
  int y;
};
