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

TEST(Layout, PipSlotsFollowTheirDie) {
  const CPoint offsets[7] = {{8, 8}, {8, 28}, {9, 49}, {28, 28}, {48, 8}, {48, 28}, {48, 49}};
  for (int d = 0; d < 4; ++d) {
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(g_ptPip[k][d].x - g_ptDie[d].x, offsets[k].x) << d << " " << k;
      EXPECT_EQ(g_ptPip[k][d].y - g_ptDie[d].y, offsets[k].y) << d << " " << k;
    }
  }
}

TEST(Layout, EachDieAndButtonTakesClicksWhereThePainterPutsIt) {
  ResetGameState();
  DisplaylessMainWindow window;
  // The main window with one die black (picked) and the others white, and
  // the buttons blank or live.
  const auto painted = [&window](int black, int live) {
    for (int d = 0; d < 4; ++d) {
      g_Dice[d].m_nValue = 5;
      g_Dice[d].m_bSelected = d == black ? 1 : 0;
      g_Dice[d].m_bRedraw = 1;
    }
    g_bPairPlayed = live;
    RepaintNow();
    return window.Surface().copy();
  };
  // The pixels that differ between two paintings within a part of the main
  // window's client area, in board points: the view starts at (2, 2).
  const auto changed = [](const QImage& a, const QImage& b, const QRect& part) {
    QRect pixels;
    for (int y = part.top(); y <= part.bottom(); ++y) {
      for (int x = part.left(); x <= part.right(); ++x) {
        if (a.pixel(x + 2, y + 2) != b.pixel(x + 2, y + 2)) {
          pixels |= QRect(x, y, 1, 1);
        }
      }
    }
    return pixels;
  };
  const QRect board(0, 0, 480, 480);
  const QImage allWhite = painted(-1, 0);
  std::vector<QRect> areas;
  for (int d = 0; d < 4; ++d) {
    areas.push_back(changed(allWhite, painted(d, 0), QRect(-2, -2, 484, 484)));
  }
  // The buttons turn live, Stop on the board's left half, Roll on its right.
  // RepaintNow puts their pictures at their places in the main window's
  // client area as they stand: 2 pixels up and left of where they take clicks.
  const QImage live = painted(-1, 1);
  areas.push_back(changed(allWhite, live, QRect(0, 0, 240, 480)).translated(2, 2));
  areas.push_back(changed(allWhite, live, QRect(240, 0, 240, 480)).translated(2, 2));
  const CArea clickAreas[6] = {DieArea(0), DieArea(1), DieArea(2),
                               DieArea(3), kStopArea,  kRollArea};
  for (std::size_t i = 0; i < areas.size(); ++i) {
    const CArea& area = clickAreas[i];
    const QRect clicks(QPoint(area.left, area.top), QPoint(area.right, area.bottom));
    EXPECT_EQ(Corners(clicks), Corners(areas[i])) << "die or button " << i;
    EXPECT_TRUE(board.contains(clicks)) << "die or button " << i;
  }
  // No point lies on two dice, or on a die and a button.
  for (std::size_t a = 0; a < areas.size(); ++a) {
    for (std::size_t b = a + 1; b < areas.size(); ++b) {
      EXPECT_FALSE(areas[a].intersects(areas[b])) << a << " " << b;
    }
  }
}
