// A picture of palette indices, drawn pixel by pixel: no blending, so every
// pixel is exactly one ink of the palette.
#pragma once

#include <cstdint>
#include <vector>

class Canvas {
 public:
  Canvas(int width, int height, std::uint8_t ink);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

  std::uint8_t At(int x, int y) const { return m_pixels[Index(x, y)]; }
  // Points outside the picture are ignored.
  void Set(int x, int y, std::uint8_t ink);
  void FillRect(int x, int y, int width, int height, std::uint8_t ink);
  // Copies a w × h block of another picture to (x, y).
  void Paste(const Canvas& source, int sx, int sy, int width, int height, int x, int y);

 private:
  int Index(int x, int y) const { return y * m_width + x; }

  int m_width;
  int m_height;
  std::vector<std::uint8_t> m_pixels;
};
