// The layout tables against each other and against the board picture.
#include "board/layout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <vector>

#include "board/bitmap_ids.h"
#include "game/game_state.h"
#include "support/board_pictures.h"

namespace {

QRect Rect(CPoint at, int width, int height) {
  return {at.x, at.y, width, height};
}

std::vector<QRect> AllHoles() {
  std::vector<QRect> holes;
  for (int c = 0; c <= 12; ++c) {
    for (int h = 0; h <= 12; ++h) {
      if (g_ptCell[c][h].x == 0) {
        continue;
      }
      for (int q = 0; q < 4; ++q) {
        holes.push_back(Rect(HolePoint(c, h, q), kHoleSize, kHoleSize));
      }
    }
  }
  return holes;
}

}  // namespace

TEST(Layout, EachColumnHasACellPointForEachOfItsCells) {
  for (int c = 0; c <= 12; ++c) {
    const int height = c >= 2 ? g_nColumnHeight[c] : 0;
    for (int h = 0; h <= 12; ++h) {
      const CPoint point = g_ptCell[c][h];
      if (h < height) {
        EXPECT_NE(point.x, 0) << c << " " << h;
        EXPECT_GT(point.y, 0) << c << " " << h;
      } else {
        EXPECT_EQ(point.x, 0) << c << " " << h;
        EXPECT_EQ(point.y, 0) << c << " " << h;
      }
    }
    // Cells stack upwards from cell 0, columns stand left to right.
    for (int h = 1; h < height; ++h) {
      EXPECT_LT(g_ptCell[c][h].y, g_ptCell[c][h - 1].y) << c << " " << h;
    }
    if (c > 2) {
      EXPECT_GT(g_ptCell[c][0].x, g_ptCell[c - 1][0].x) << c;
    }
  }
}

TEST(Layout, EveryCellPointLiesOnItsCellInTheBoardPicture) {
  const QImage board = Picture(IDB_BOARD);
  constexpr QRgb kWhite = 0xffffffffu;
  constexpr QRgb kBlack = 0xff000000u;
  for (int c = 2; c <= 12; ++c) {
    for (int h = 0; h < g_nColumnHeight[c]; ++h) {
      const CPoint p = g_ptCell[c][h];
      // The 30 × 30 cell starts 5 pixels up and left of the point: white bevel
      // at its top-left corner, black at its bottom-right.
      EXPECT_EQ(board.pixel(p.x - 5, p.y - 5), kWhite) << c << " " << h;
      EXPECT_EQ(board.pixel(p.x - 5, p.y + 10), kWhite) << c << " " << h;
      EXPECT_EQ(board.pixel(p.x + 10, p.y - 5), kWhite) << c << " " << h;
      EXPECT_EQ(board.pixel(p.x + 24, p.y + 24), kBlack) << c << " " << h;
      EXPECT_EQ(board.pixel(p.x + 24, p.y + 10), kBlack) << c << " " << h;
      EXPECT_EQ(board.pixel(p.x + 10, p.y + 24), kBlack) << c << " " << h;
    }
  }
}

TEST(Layout, HolesNeitherOverlapNorTouchTheDiceButtonsOrBanner) {
  const std::vector<QRect> holes = AllHoles();
  ASSERT_EQ(holes.size(), 332u);
  for (std::size_t i = 0; i < holes.size(); ++i) {
    for (std::size_t j = i + 1; j < holes.size(); ++j) {
      ASSERT_FALSE(holes[i].intersects(holes[j])) << i << " and " << j;
    }
  }
  std::vector<QRect> others = {Rect(kBannerPlace, kBannerWidth, kBannerHeight)};
  for (const CPoint& place : g_ptDie) {
    others.push_back(Rect(place, kDieWidth, kDieHeight));
  }
  for (const CPoint& place : {kStopButtonPlace, kRollButtonPlace}) {
    others.push_back(Rect(place, kButtonWidth, kButtonHeight));
    others.push_back(Rect({place.x - 2, place.y - 2}, kButtonWidth, kButtonHeight));
  }
  for (int c = 2; c <= 12; ++c) {
    for (int h = 0; h < g_nColumnHeight[c]; ++h) {
      const QRect cell = Rect({g_ptCell[c][h].x - 5, g_ptCell[c][h].y - 5}, 30, 30);
      for (const QRect& other : others) {
        EXPECT_FALSE(cell.intersects(other)) << c << " " << h;
      }
    }
  }
}

TEST(Layout, PipSlotsAndMouseAreasFollowTheDiePlaces) {
  const CPoint offsets[7] = {{8, 8}, {8, 28}, {9, 49}, {28, 28}, {48, 8}, {48, 28}, {48, 49}};
  for (int d = 0; d < 4; ++d) {
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(g_ptPip[k][d].x - g_ptDie[d].x, offsets[k].x) << d << " " << k;
      EXPECT_EQ(g_ptPip[k][d].y - g_ptDie[d].y, offsets[k].y) << d << " " << k;
    }
    const CArea area = DieArea(d);
    EXPECT_EQ(area.left, g_ptDie[d].x);
    EXPECT_EQ(area.top, g_ptDie[d].y);
    EXPECT_EQ(area.right - area.left + 1, kDieWidth);
    EXPECT_EQ(area.bottom - area.top + 1, kDieHeight);
  }
  EXPECT_TRUE(DieArea(1).Contains({476, 73}));
  EXPECT_FALSE(DieArea(1).Contains({477, 73}));
  EXPECT_FALSE(DieArea(1).Contains({476, 74}));
  EXPECT_FALSE(DieArea(0).Contains({1, 2}));
  for (const auto& [area, place] :
       {std::pair{kStopArea, kStopButtonPlace}, std::pair{kRollArea, kRollButtonPlace}}) {
    EXPECT_EQ(area.left, place.x);
    EXPECT_EQ(area.top, place.y);
    EXPECT_EQ(area.right - area.left + 1, kButtonWidth);
    EXPECT_EQ(area.bottom - area.top + 1, kButtonHeight);
  }
}
