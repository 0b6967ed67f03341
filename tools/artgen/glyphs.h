// Letters and digits drawn from pixel glyphs kept here, so the pictures do
// not depend on the fonts of the machine that builds them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "canvas.h"

struct PixelGlyph {
  char letter;
  // Rows top to bottom, '#' for ink; all rows of a glyph have one width.
  std::vector<std::string_view> rows;
};

struct PixelFont {
  int height;   // rows of every glyph
  int spacing;  // blank columns between two glyphs
  int space;    // width of a blank
  std::vector<PixelGlyph> glyphs;
};

// Bold capitals and digits 10 pixels high: button letters and column numbers.
const PixelFont& SmallFont();
// Bold mixed-case letters and digits for the banners: capitals 17 pixels high,
// 4 more rows below the baseline.
const PixelFont& BannerFont();

int TextWidth(const PixelFont& font, std::string_view text);
// Draws text with its top-left corner at (x, y).
void DrawText(Canvas& canvas, const PixelFont& font, std::string_view text, int x, int y,
              std::uint8_t ink);
