// The layout tables against each other, the board picture and what the painter draws.
#include "board/layout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <array>
#include <vector>

#include "board/bitmap_ids.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "support/board_pictures.h"
#include "support/displayless_main_window.h"

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

// Left, top, right and bottom, inclusive, for messages that read.
std::array<int, 4> Corners(const QRect& rect) {
  return {rect.left(), rect.top(), rect.right(), rect.bottom()};
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

TEST(Layout, PipSlotsAndButtonAreasFollowTheirPlaces) {
  const CPoint offsets[7] = {{8, 8}, {8, 28}, {9, 49}, {28, 28}, {48, 8}, {48, 28}, {48, 49}};
  for (int d = 0; d < 4; ++d) {
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(g_ptPip[k][d].x - g_ptDie[d].x, offsets[k].x) << d << " " << k;
      EXPECT_EQ(g_ptPip[k][d].y - g_ptDie[d].y, offsets[k].y) << d << " " << k;
    }
  }
  for (const auto& [area, place] :
       {std::pair{kStopArea, kStopButtonPlace}, std::pair{kRollArea, kRollButtonPlace}}) {
    EXPECT_EQ(area.left, place.x);
    EXPECT_EQ(area.top, place.y);
    EXPECT_EQ(area.right - area.left + 1, kButtonWidth);
    EXPECT_EQ(area.bottom - area.top + 1, kButtonHeight);
  }
}

TEST(Layout, EachDieTakesClicksExactlyWhereThePainterDrawsIt) {
  ResetGameState();
  DisplaylessMainWindow window;
  // The main window with one die black (picked) and the others white.
  const auto paintedWithBlackDie = [&window](int black) {
    for (int d = 0; d < 4; ++d) {
      g_Dice[d].m_nValue = 5;
      g_Dice[d].m_bSelected = d == black ? 1 : 0;
      g_Dice[d].m_bRedraw = 1;
    }
    RepaintNow();
    return window.Surface().copy();
  };
  const QImage allWhite = paintedWithBlackDie(-1);
  std::vector<QRect> dieAreas;
  for (int d = 0; d < 4; ++d) {
    const QImage shown = paintedWithBlackDie(d);
    // The pixels that changed, in board points: the view starts at (2, 2).
    QRect changed;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixel(x, y) != allWhite.pixel(x, y)) {
          changed |= QRect(x - 2, y - 2, 1, 1);
        }
      }
    }
    const CArea area = DieArea(d);
    const QRect clicks(QPoint(area.left, area.top), QPoint(area.right, area.bottom));
    EXPECT_EQ(Corners(clicks), Corners(changed)) << "die " << d;
    EXPECT_TRUE(QRect(0, 0, 480, 480).contains(clicks)) << "die " << d;
    dieAreas.push_back(clicks);
  }
  // No point lies on two dice, or on a die and a button.
  std::vector<QRect> others = dieAreas;
  for (const CArea& button : {kStopArea, kRollArea}) {
    others.emplace_back(QPoint(button.left, button.top), QPoint(button.right, button.bottom));
  }
  for (std::size_t d = 0; d < dieAreas.size(); ++d) {
    for (std::size_t other = 0; other < others.size(); ++other) {
      EXPECT_TRUE(other == d || !dieAreas[d].intersects(others[other])) << d << " " << other;
    }
  }
}
