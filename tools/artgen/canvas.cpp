#include "canvas.h"

Canvas::Canvas(int width, int height, std::uint8_t ink)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width * height), ink) {}

void Canvas::Set(int x, int y, std::uint8_t ink) {
  if (Contains(x, y)) {
    m_pixels[Index(x, y)] = ink;
  }
}

void Canvas::FillRect(int x, int y, int width, int height, std::uint8_t ink) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      Set(column, row, ink);
    }
  }
}

void Canvas::Paste(const Canvas& source, int sx, int sy, int width, int height, int x, int y) {
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      if (source.Contains(sx + column, sy + row)) {
        Set(x + column, y + row, source.At(sx + column, sy + row));
      }
    }
  }
}
