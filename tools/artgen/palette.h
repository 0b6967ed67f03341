// The inks every picture of the board is drawn with. All bitmaps share this
// one palette, so a colour means the same index and the same RGB everywhere.
#pragma once

#include <array>
#include <cstdint>

struct Rgb {
  std::uint8_t r, g, b;
};

enum Ink : std::uint8_t {
  kBlack,
  kWhite,
  kOlive,  // the field around the octagon, banners, blank button, die surround
  kRed,    // the octagon's and the cells' face, the sprite strip behind pegs
  kDarkRed,
  kLightGrey,
  kGrey,
  kBlue,
  kDarkBlue,
  kGreen,
  kDarkGreen,
  kCyan,
  kDarkCyan,
  kYellow,
  kDarkYellow,
  kPaleBlue,
  kPaleGreen,
  kPaleCyan,
  kPaleYellow,
  kDarkOlive,
  kInkCount
};

inline constexpr std::array<Rgb, kInkCount> kBoardPalette = {{
    {0, 0, 0},       {255, 255, 255}, {128, 128, 64},  {255, 0, 0},     {160, 0, 0},
    {192, 192, 192}, {128, 128, 128}, {0, 64, 255},    {0, 0, 144},     {0, 200, 0},
    {0, 112, 0},     {0, 224, 224},   {0, 128, 128},   {255, 232, 0},   {176, 144, 0},
    {128, 176, 255}, {144, 240, 144}, {160, 255, 255}, {255, 248, 168}, {96, 96, 48},
}};
