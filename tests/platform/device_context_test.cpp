#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/wnd.h"

namespace {

// A window whose client pixels are numbered, so every copied pixel tells where it came from.
void Number(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, 0xff000000u | static_cast<unsigned>(y << 8 | x));
    }
  }
}

}  // namespace

TEST(DeviceContext, CopiesExactlyAndClipsOnBothSides) {
  CWnd source;
  source.CreateClientArea(10, 10);
  Number(*source.ClientSurface());
  CWnd target;
  target.CreateClientArea(8, 8);
  target.ClientSurface()->fill(0xff123456u);

  CDC* from = source.GetDC();
  CDC* to = target.GetDC();
  // Half of the rectangle lies left of and above the target; part of it lies
  // right of and below the source.
  EXPECT_TRUE(to->BitBlt(-2, -3, 12, 12, from, 5, 4, SRCCOPY));
  const QImage& out = *target.ClientSurface();
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int sx = x + 2 + 5;
      const int sy = y + 3 + 4;
      const QRgb expected = (sx < 10 && sy < 10) ? (0xff000000u | (sy << 8 | sx)) : 0xff123456u;
      ASSERT_EQ(out.pixel(x, y), expected) << x << "," << y;
    }
  }
  // Other raster operations and empty rectangles copy nothing.
  QImage before = out.copy();
  EXPECT_FALSE(to->BitBlt(0, 0, 8, 8, from, 0, 0, 0x00EE0086));
  EXPECT_TRUE(to->BitBlt(0, 0, 0, 8, from, 0, 0, SRCCOPY));
  EXPECT_TRUE(to->BitBlt(0, 0, -4, -4, from, 0, 0, SRCCOPY));
  EXPECT_EQ(out, before);
  EXPECT_EQ(source.ReleaseDC(from), 1);
  EXPECT_EQ(target.ReleaseDC(to), 1);
  EXPECT_EQ(target.ReleaseDC(to), 0);
}

TEST(DeviceContext, ChildWindowDrawsInsideItsAreaOfTheParent) {
  CWnd frame;
  frame.CreateClientArea(20, 20);
  frame.ClientSurface()->fill(0xff000000u);
  CWnd view;
  view.CreateChildArea(&frame, 2, 2, 10, 10);
  CWnd white;
  white.CreateClientArea(30, 30);
  white.ClientSurface()->fill(0xffffffffu);

  CDC* dc = view.GetDC();
  CDC* src = white.GetDC();
  dc->BitBlt(-5, -5, 30, 30, src, 0, 0, SRCCOPY);
  view.ReleaseDC(dc);
  white.ReleaseDC(src);
  const QImage& out = *frame.ClientSurface();
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 2 && x < 12 && y >= 2 && y < 12;
      ASSERT_EQ(out.pixel(x, y), inside ? 0xffffffffu : 0xff000000u) << x << "," << y;
    }
  }
}

TEST(DeviceContext, APictureThatCannotBeDecodedIsTriedAgainOnTheNextLoad) {
  QTemporaryDir dir;
  // An empty file: there, but no picture.
  QFile(dir.filePath("131.bmp")).open(QIODevice::WriteOnly);
  SetBitmapFolder(dir.path());
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadBitmap(131));
  QImage(3, 2, QImage::Format_RGB32).save(dir.filePath("131.bmp"));
  EXPECT_TRUE(bitmap.LoadBitmap(131));
  SetBitmapFolder(QStringLiteral(":/bitmaps"));
}

TEST(DeviceContext, MissingBitmapLoadsNothingAndCopiesNothing) {
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(9999));
  EXPECT_EQ(missing.Image(), nullptr);
  EXPECT_FALSE(missing.DeleteObject());

  CWnd target;
  target.CreateClientArea(4, 4);
  target.ClientSurface()->fill(0xff00ff00u);
  const QImage before = target.ClientSurface()->copy();
  CDC* dc = target.GetDC();
  CDC memory;
  memory.CreateCompatibleDC(dc);
  EXPECT_EQ(memory.SelectObject(&missing), nullptr);
  EXPECT_FALSE(dc->BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY));
  memory.DeleteDC();
  target.ReleaseDC(dc);
  EXPECT_EQ(*target.ClientSurface(), before);
}
