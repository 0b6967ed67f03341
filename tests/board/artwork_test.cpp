// The bitmaps must agree with each other and with the layout tables pixel for
// pixel: the painter removes pegs and repaints dice and buttons by copying
// sprites over the board instead of repainting it.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "game/game_state.h"
#include "support/board_pictures.h"

namespace {

constexpr QRgb kOlive = 0xff808040u;
constexpr QRgb kRed = 0xffff0000u;
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kBlack = 0xff000000u;

const std::filesystem::path kResources =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "res";

bool AllOf(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != colour) {
        return false;
      }
    }
  }
  return true;
}

std::vector<unsigned char> FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

unsigned Little(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
  unsigned value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  }
  return value;
}

}  // namespace

TEST(Artwork, EveryBitmapIsAnEightBitPaletteBmpOfItsSize) {
  struct Expected {
    UINT id;
    int width, height;
  };
  std::vector<Expected> bitmaps = {
      {IDB_BOARD, 480, 480}, {IDB_PEGS, 175, 14}, {IDB_DICE, 144, 73}, {IDB_BUTTONS, 120, 53}};
  for (UINT id = IDB_PLAYER1; id <= IDB_NOWINNER; ++id) {
    bitmaps.push_back({id, 158, 34});
  }
  for (const Expected& bitmap : bitmaps) {
    SCOPED_TRACE(bitmap.id);
    const QImage picture = Picture(bitmap.id);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), bitmap.width);
    EXPECT_EQ(picture.height(), bitmap.height);

    const auto bytes = FileBytes(kResources / "bitmaps" / (std::to_string(bitmap.id) + ".bmp"));
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Little(bytes, 28, 2), 8u) << "bits per pixel";
    EXPECT_EQ(Little(bytes, 30, 4), 0u) << "compression";
    EXPECT_GT(Little(bytes, 46, 4), 0u) << "palette entries";
  }
}

TEST(Artwork, EmptyHoleSpriteIsTheBoardsOwnEmptyHoleEverywhere) {
  const QImage board = Picture(IDB_BOARD);
  const QImage hole = EmptyHoleSprite();
  for (int c = 2; c <= 12; ++c) {
    for (int h = 0; h < g_nColumnHeight[c]; ++h) {
      for (int q = 0; q < 4; ++q) {
        const CPoint at = HolePoint(c, h, q);
        EXPECT_EQ(DifferentPixels(board.copy(at.x, at.y, kHoleSize, kHoleSize), hole), 0)
            << "column " << c << " cell " << h << " quadrant " << q;
      }
    }
  }
  // An empty hole is the cell's red with some white on its lower-right rim.
  EXPECT_EQ(hole.pixel(4, 4), kRed);
  bool whiteRim = false;
  for (int i = 4; i < kHoleSize; ++i) {
    whiteRim = whiteRim || hole.pixel(kHoleSize - 1, i) == kWhite ||
               hole.pixel(i, kHoleSize - 1) == kWhite;
  }
  EXPECT_TRUE(whiteRim);
}

TEST(Artwork, DicePicturesMatchTheDiePlaces) {
  const QImage board = Picture(IDB_BOARD);
  const QImage dice = Picture(IDB_DICE);
  const QImage white = DiePicture(false);
  const QImage black = DiePicture(true);
  for (const CPoint& place : g_ptDie) {
    EXPECT_EQ(DifferentPixels(board.copy(place.x, place.y, kDieWidth, kDieHeight), white), 0)
        << place.x << "," << place.y;
  }
  // The black die has the white die's shape; olive lies around both.
  for (int y = 0; y < kDieHeight; ++y) {
    for (int x = 0; x < kDieWidth; ++x) {
      const bool onDie = white.pixel(x, y) != kOlive;
      ASSERT_EQ(onDie, black.pixel(x, y) != kOlive) << x << "," << y;
    }
  }
  EXPECT_EQ(white.pixel(0, 0), kOlive);
  EXPECT_EQ(white.pixel(35, 35), kWhite);
  EXPECT_EQ(black.pixel(35, 35), kBlack);
  EXPECT_TRUE(AllOf(dice.copy(0, 0, 144, 1), kOlive));
  EXPECT_TRUE(AllOf(dice.copy(0, 72, 144, 1), kOlive));
  EXPECT_TRUE(AllOf(dice.copy(71, 0, 2, 73), kOlive));
}

TEST(Artwork, PipSlotSpritesMatchTheDieFaces) {
  const QImage white = DiePicture(false);
  const QImage black = DiePicture(true);
  const QImage whiteNoPip = PipSlotSprite(false, false);
  const QImage blackNoPip = PipSlotSprite(true, false);
  const QImage whitePip = PipSlotSprite(false, true);
  const QImage blackPip = PipSlotSprite(true, true);
  EXPECT_TRUE(AllOf(whiteNoPip, kWhite));
  EXPECT_TRUE(AllOf(blackNoPip, kBlack));
  // A pip is a disc 13 pixels across: its middle row is all pip.
  EXPECT_TRUE(AllOf(whitePip.copy(0, 6, kPipSize, 1), kBlack));
  EXPECT_TRUE(AllOf(blackPip.copy(0, 6, kPipSize, 1), kWhite));
  EXPECT_EQ(whitePip.pixel(0, 0), kWhite);
  EXPECT_EQ(blackPip.pixel(12, 12), kBlack);
  // A slot without a pip leaves the die as it is.
  for (int k = 0; k < 7; ++k) {
    const CPoint slot = {g_ptPip[k][0].x - g_ptDie[0].x, g_ptPip[k][0].y - g_ptDie[0].y};
    EXPECT_EQ(DifferentPixels(white.copy(slot.x, slot.y, kPipSize, kPipSize), whiteNoPip), 0) << k;
    EXPECT_EQ(DifferentPixels(black.copy(slot.x, slot.y, kPipSize, kPipSize), blackNoPip), 0) << k;
  }
}

TEST(Artwork, BlankButtonAndBannerBackgroundAreTheBoardsOlive) {
  const QImage board = Picture(IDB_BOARD);
  const QImage blank = ButtonPicture(kBlankButtonPicture);
  EXPECT_TRUE(AllOf(blank, kOlive));
  // The immediate repaint puts the buttons 2 pixels up and left of their places on the board.
  for (const CPoint& place : {kStopButtonPlace, kRollButtonPlace}) {
    for (int shift : {0, -2}) {
      EXPECT_EQ(
          DifferentPixels(board.copy(place.x + shift, place.y + shift, kButtonWidth, kButtonHeight),
                          blank),
          0)
          << place.x << " shifted " << shift;
    }
  }
  const QImage place = board.copy(kBannerPlace.x, kBannerPlace.y, kBannerWidth, kBannerHeight);
  EXPECT_TRUE(AllOf(place, kOlive));
  for (UINT id = IDB_PLAYER1; id <= IDB_NOWINNER; ++id) {
    const QImage banner = Picture(id);
    int ink = 0;
    for (int y = 0; y < banner.height(); ++y) {
      for (int x = 0; x < banner.width(); ++x) {
        const QRgb pixel = banner.pixel(x, y);
        ASSERT_TRUE(pixel == kOlive || pixel == kBlack) << id << " at " << x << "," << y;
        ink += pixel == kBlack ? 1 : 0;
        // The words stay inside the part that is copied.
        if (x >= kBannerWidth || y >= kBannerHeight) {
          ASSERT_EQ(pixel, kOlive) << id << " at " << x << "," << y;
        }
      }
    }
    EXPECT_GT(ink, 200) << id;
  }
  // Each banner says something different.
  for (UINT a = IDB_PLAYER1; a <= IDB_NOWINNER; ++a) {
    for (UINT b = a + 1; b <= IDB_NOWINNER; ++b) {
      EXPECT_GT(DifferentPixels(Picture(a), Picture(b)), 0) << a << " and " << b;
    }
  }
}

TEST(Artwork, ButtonPicturesAreFramedAndDistinct) {
  const QImage buttons = Picture(IDB_BUTTONS);
  // Live buttons are raised: light top and left, dark bottom and right; pressed ones sunken.
  for (int x : {kStopLivePicture, kRollLivePicture}) {
    EXPECT_EQ(buttons.pixel(x + 5, 0), kWhite);
    EXPECT_EQ(buttons.pixel(x, 20), kWhite);
    EXPECT_EQ(buttons.pixel(x + 5, kButtonHeight - 1), kBlack);
    EXPECT_EQ(buttons.pixel(x + kButtonWidth - 1, 20), kBlack);
  }
  for (int x : {kStopPressedPicture, kRollPressedPicture}) {
    EXPECT_EQ(buttons.pixel(x + 5, 0), kBlack);
    EXPECT_EQ(buttons.pixel(x, 20), kBlack);
    EXPECT_EQ(buttons.pixel(x + 5, kButtonHeight - 1), kWhite);
    EXPECT_EQ(buttons.pixel(x + kButtonWidth - 1, 20), kWhite);
  }
  const int pictures[] = {kStopPressedPicture, kRollPressedPicture, kStopLivePicture,
                          kRollLivePicture, kBlankButtonPicture};
  for (int a = 0; a < 5; ++a) {
    for (int b = a + 1; b < 5; ++b) {
      EXPECT_GT(DifferentPixels(ButtonPicture(pictures[a]), ButtonPicture(pictures[b])), 20)
          << a << " " << b;
    }
  }
}

TEST(Artwork, PegsSitOnTheCellFace) {
  const QImage board = Picture(IDB_BOARD);
  const QImage strip = Picture(IDB_PEGS);
  for (int c = 2; c <= 12; ++c) {
    for (int h = 0; h < g_nColumnHeight[c]; ++h) {
      // Between the four holes lies the cell's face.
      ASSERT_EQ(board.pixel(g_ptCell[c][h].x + 10, g_ptCell[c][h].y + 10), kRed) << c << " " << h;
    }
  }
  const QRgb bodies[5] = {PegSprite(0).pixel(4, 4), PegSprite(1).pixel(4, 4),
                          PegSprite(2).pixel(4, 4), PegSprite(3).pixel(4, 4),
                          PegSprite(4).pixel(4, 4)};
  for (int i = 0; i < 5; ++i) {
    const QImage peg = PegSprite(i);
    for (CPoint corner : {CPoint{0, 0}, CPoint{8, 0}, CPoint{0, 8}, CPoint{8, 8}}) {
      EXPECT_EQ(peg.pixel(corner.x, corner.y), kRed) << "peg " << i;
    }
    EXPECT_NE(bodies[i], kRed) << "peg " << i;
    for (int j = 0; j < i; ++j) {
      EXPECT_NE(bodies[i], bodies[j]) << "pegs " << i << " and " << j;
    }
  }
  EXPECT_EQ(bodies[4], kWhite);
  // The strip: red behind the pegs, white and black behind the pips.
  EXPECT_EQ(strip.pixel(0, 0), kRed);
  EXPECT_EQ(strip.pixel(92, 13), kRed);
  EXPECT_TRUE(AllOf(strip.copy(93, 0, 41, 1), kWhite));
  EXPECT_TRUE(AllOf(strip.copy(134, 0, 41, 1), kBlack));
}

TEST(Artwork, IconsAreARedOctagonOnOpaqueWhite) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage icon(QString::fromStdString(
        (kResources / "icons" / ("128-" + std::to_string(size) + ".png")).string()));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(icon.pixel(0, 0), kWhite);
    EXPECT_EQ(icon.pixel(size - 1, size - 1), kWhite);
    EXPECT_EQ(icon.pixel(size / 2, size / 2), kRed);
    // Straight top and bottom sides: most of the middle column is red.
    int red = 0;
    for (int y = 0; y < size; ++y) {
      red += icon.pixel(size / 2, y) == kRed ? 1 : 0;
    }
    EXPECT_GE(red, size * 3 / 4);
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(DifferentPixels(argb, argb.mirrored(true, false)), 0);
    EXPECT_EQ(DifferentPixels(argb, argb.mirrored(false, true)), 0);
    EXPECT_EQ(DifferentPixels(argb, argb.transformed(QTransform().rotate(90))), 0);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        ASSERT_EQ(qAlpha(argb.pixel(x, y)), 255);
      }
    }
  }
}
