// What the painter puts on the main window for a given game state. The view's
// origin lies at (2, 2) of the main window's client area.
#include "board/painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "support/board_pictures.h"
#include "support/displayless_main_window.h"

namespace {

constexpr int kOffset = 2;
constexpr int kEmpty = -1;  // what HoleShows reports for an empty hole
constexpr int kWhitePeg = 4;

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }

  // w × h of the board from a board point, as the main window shows it.
  QImage Shown(CPoint at, int width, int height) const {
    return window.Surface().copy(at.x + kOffset, at.y + kOffset, width, height);
  }

  // The peg sprite (0 … 4) a hole shows, kEmpty for the empty hole, -2 for anything else.
  int HoleShows(int column, int cell, int quadrant) const {
    const QImage hole = Shown(HolePoint(column, cell, quadrant), kHoleSize, kHoleSize);
    if (hole == EmptyHoleSprite()) {
      return kEmpty;
    }
    for (int peg = 0; peg < 5; ++peg) {
      if (hole == PegSprite(peg)) {
        return peg;
      }
    }
    return -2;
  }

  // Checks all 332 holes against the expected picture of each.
  void ExpectHoles(const std::function<int(int, int, int)>& expected) const {
    for (int c = 2; c <= 12; ++c) {
      for (int h = 0; h < g_nColumnHeight[c]; ++h) {
        for (int q = 0; q < 4; ++q) {
          EXPECT_EQ(HoleShows(c, h, q), expected(c, h, q))
              << "column " << c << " cell " << h << " quadrant " << q;
        }
      }
    }
  }

  DisplaylessMainWindow window;
};

}  // namespace

TEST_F(PainterTest, EachSeatInPlayShowsItsPegsInItsOwnQuadrant) {
  g_nPlayers = 4;
  for (int s = 0; s < 4; ++s) {
    g_nProgress[s][7] = s + 1;
  }
  g_nProgress[2][4] = 5;
  RepaintNow();
  ExpectHoles([](int c, int h, int q) {
    if (c == 7 && h <= q) {
      return q;
    }
    return c == 4 && q == 2 && h < 5 ? 2 : kEmpty;
  });

  // Seats out of play show nothing, even a column they had reached the top of.
  g_nPlayers = 2;
  g_nProgress[3][2] = g_nColumnHeight[2];
  RepaintNow();
  ExpectHoles([](int c, int h, int q) { return c == 7 && q < 2 && h <= q ? q : kEmpty; });
}

TEST_F(PainterTest, AClaimedColumnShowsOnlyItsClaimantInEveryHole) {
  g_nPlayers = 3;
  g_nProgress[1][4] = g_nColumnHeight[4];
  g_nProgress[0][4] = 3;
  g_nProgress[2][4] = 6;
  g_nProgress[0][5] = 2;
  g_nProgress[2][12] = g_nColumnHeight[12];
  RepaintNow();
  ExpectHoles([](int c, int h, int q) {
    if (c == 4) {
      return 1;
    }
    if (c == 12) {
      return 2;
    }
    return c == 5 && q == 0 && h < 2 ? 0 : kEmpty;
  });
}

TEST_F(PainterTest, WhitePegsStandInTheQuadrantOfTheSeatToMove) {
  g_nCurrentPlayer = 1;
  g_nProgress[1][7] = 2;
  g_nProgress[0][7] = 6;
  for (int column : {7, 7, 7, 5, 12}) {
    ASSERT_TRUE(g_WhitePegs.Advance(column));
  }
  RepaintNow();
  // Column 7: the seat's pegs on cells 0 and 1, empty holes on 2 and 3, the white peg on 4.
  ExpectHoles([](int c, int h, int q) {
    if (c == 7 && q == 0 && h < 6) {
      return 0;
    }
    if (c == 7 && q == 1) {
      return h < 2 ? 1 : h == 4 ? kWhitePeg : kEmpty;
    }
    return (c == 5 || c == 12) && q == 1 && h == 0 ? kWhitePeg : kEmpty;
  });
}

TEST_F(PainterTest, PegsThatHaveGoneLeaveNothingBehind) {
  g_nCurrentPlayer = 0;
  g_nProgress[0][6] = 3;
  g_nProgress[1][7] = g_nColumnHeight[7];
  g_WhitePegs.Advance(6);
  g_WhitePegs.Advance(8);
  RepaintNow();
  ASSERT_EQ(HoleShows(6, 3, 0), kWhitePeg);
  ASSERT_EQ(HoleShows(8, 0, 0), kWhitePeg);

  // A bust: the white pegs are simply gone.
  g_WhitePegs.Clear();
  RepaintNow();
  EXPECT_EQ(HoleShows(6, 3, 0), kEmpty);
  EXPECT_EQ(HoleShows(8, 0, 0), kEmpty);
  EXPECT_EQ(HoleShows(6, 2, 0), 0);

  // A stop: the seat's own pegs take their place.
  g_WhitePegs.Advance(6);
  g_WhitePegs.Advance(8);
  g_WhitePegs.Commit();
  g_WhitePegs.Clear();
  RepaintNow();
  EXPECT_EQ(HoleShows(6, 3, 0), 0);
  EXPECT_EQ(HoleShows(8, 0, 0), 0);

  // A new game's empty board, painted over the old one without the
  // background: every cell is the board's own picture again.
  ASSERT_EQ(HoleShows(7, 12, 3), 1);
  g_nProgress[0][6] = 0;
  g_nProgress[0][8] = 0;
  g_nProgress[1][7] = 0;
  RepaintNow();
  const QImage board = Picture(IDB_BOARD);
  for (int c = 2; c <= 12; ++c) {
    for (int h = 0; h < g_nColumnHeight[c]; ++h) {
      const CPoint cell = {g_ptCell[c][h].x - 5, g_ptCell[c][h].y - 5};
      EXPECT_EQ(Shown(cell, 30, 30), board.copy(cell.x, cell.y, 30, 30)) << c << " " << h;
    }
  }
}

TEST_F(PainterTest, TheBannerNamesTheSeatToMoveTheWinnerOrNobody) {
  const auto banner = [this] { return Shown(kBannerPlace, kBannerWidth, kBannerHeight); };
  const auto picture = [](UINT id) {
    return PictureRegion(id, {0, 0}, kBannerWidth, kBannerHeight);
  };
  g_nPlayers = 4;
  for (int seat = 0; seat < 4; ++seat) {
    g_nCurrentPlayer = seat;
    RepaintNow();
    EXPECT_EQ(banner(), picture(IDB_PLAYER1 + seat)) << seat;
  }
  g_nCurrentPlayer = 0;
  for (int winner = 1; winner <= 4; ++winner) {
    g_nWinner = winner;
    RepaintNow();
    EXPECT_EQ(banner(), picture(IDB_WINNER1 + winner - 1)) << winner;
  }
  g_nWinner = 0;
  g_bNoWinner = 1;
  RepaintNow();
  EXPECT_EQ(banner(), picture(IDB_NOWINNER));
  g_nWinner = 2;
  RepaintNow();
  EXPECT_EQ(banner(), picture(IDB_WINNER2));
}

TEST_F(PainterTest, DiceShowTheirFacesInTheirColours) {
  // Slots with a pip for each value, as bits of slots 0 … 6.
  const int kPips[7] = {0, 0b0001000, 0b1000001, 0b0011100, 0b1010101, 0b1011101, 0b1110111};
  for (int value = 0; value <= 6; ++value) {
    for (int d = 0; d < 4; ++d) {
      g_Dice[d].m_nValue = value;
      g_Dice[d].m_bSelected = d % 2;
      g_Dice[d].m_bRedraw = 1;
    }
    RepaintNow();
    for (int d = 0; d < 4; ++d) {
      const bool black = d % 2 == 1;
      EXPECT_EQ(g_Dice[d].m_bRedraw, 0);
      const QImage body = Shown(g_ptDie[d], kDieWidth, kDieHeight);
      EXPECT_EQ(body.pixel(35, 2), black ? 0xff000000u : 0xffffffffu) << d;
      for (int k = 0; k < 7; ++k) {
        const bool pip = (kPips[value] >> k & 1) != 0;
        EXPECT_EQ(Shown(g_ptPip[k][d], kPipSize, kPipSize), PipSlotSprite(black, pip))
            << "value " << value << " die " << d << " slot " << k;
      }
    }
  }
}

TEST_F(PainterTest, ADieBodyIsPaintedOnlyWhenItsRedrawFlagAsks) {
  g_Dice[2].m_bSelected = 1;
  g_Dice[2].m_bRedraw = 1;
  g_Dice[2].m_nValue = 4;
  RepaintNow();
  const CPoint edge = {g_ptDie[2].x + 35, g_ptDie[2].y + 3};
  EXPECT_EQ(Shown(edge, 1, 1).pixel(0, 0), DiePicture(true).pixel(35, 3));

  // Deselected without the flag: the body stays black, the pips turn to the white scheme.
  g_Dice[2].m_bSelected = 0;
  RepaintNow();
  EXPECT_EQ(Shown(edge, 1, 1).pixel(0, 0), 0xff000000u);
  EXPECT_EQ(Shown(g_ptPip[0][2], kPipSize, kPipSize), PipSlotSprite(false, true));

  g_Dice[2].m_bRedraw = 1;
  RepaintNow();
  EXPECT_EQ(Shown(g_ptDie[2], kDieWidth, kDieHeight).pixel(35, 3), 0xffffffffu);
  EXPECT_EQ(g_Dice[2].m_bRedraw, 0);
}

TEST_F(PainterTest, ButtonsStandUnshiftedBlankUntilAPairIsPlayed) {
  for (const int pairPlayed : {0, 1, 0}) {
    g_bPairPlayed = pairPlayed;
    RepaintNow();
    EXPECT_EQ(ButtonShown(window.Surface(), kStopButtonPlace),
              ButtonPicture(pairPlayed == 1 ? kStopLivePicture : kBlankButtonPicture));
    EXPECT_EQ(ButtonShown(window.Surface(), kRollButtonPlace),
              ButtonPicture(pairPlayed == 1 ? kRollLivePicture : kBlankButtonPicture));
  }
}

TEST_F(PainterTest, TheBackgroundIsPaintedOnlyWhenMissing) {
  QImage& surface = *window.Frame().ClientSurface();
  // A spot of the field that nothing but the background covers.
  const CPoint field = {240 + kOffset, 10 + kOffset};
  RepaintNow();
  EXPECT_EQ(g_bBoardDrawn, 1);
  EXPECT_EQ(Shown({0, 0}, 480, 480).copy(200, 0, 80, 20), Picture(IDB_BOARD).copy(200, 0, 80, 20));

  surface.setPixel(field.x, field.y, 0xff123456u);
  RepaintNow();
  EXPECT_EQ(surface.pixel(field.x, field.y), 0xff123456u);

  g_bBoardDrawn = 0;
  RepaintNow();
  EXPECT_EQ(surface.pixel(field.x, field.y), Picture(IDB_BOARD).pixel(240, 10));
  EXPECT_EQ(g_bBoardDrawn, 1);
  // Nothing is painted outside the board but the buttons.
  EXPECT_EQ(surface.pixel(0, 0), 0xffc0c0c0u);
  EXPECT_EQ(surface.pixel(483, 483), 0xffc0c0c0u);
}
