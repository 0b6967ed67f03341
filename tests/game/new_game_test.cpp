#include <gtest/gtest.h>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/dice_control.h"
#include "support/displayless_main_window.h"

namespace {

class NewGameTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
  DisplaylessMainWindow window;
};

}  // namespace

TEST_F(NewGameTest, ResetsTheGameAndKeepsTheOptions) {
  g_nPlayers = 4;
  g_nColumnsToWin = 2;
  g_nPlayerType[3] = kComputerSeat;  // seats above seat 0 may be computers
  g_nCurrentPlayer = 3;
  g_nWinner = 2;
  g_nProgress[1][7] = 13;
  g_nProgress[3][0] = 5;
  g_bPairPlayed = 1;
  g_bRollPressed = 1;
  g_bStopPressed = 1;
  g_bDieClicked = 1;
  g_bBoardDrawn = 1;
  g_Dice[2].m_bSelected = 1;
  g_Dice[1].m_nValue = 0;
  g_WhitePegs.Advance(5);

  NewGame();

  for (int seat = 0; seat < 4; ++seat) {
    for (int c = 0; c < 13; ++c) {
      EXPECT_EQ(g_nProgress[seat][c], 0);
    }
  }
  EXPECT_EQ(g_nWinner, 0);
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetColumn), 0);
  EXPECT_TRUE(DiceFreshlyThrown());
  EXPECT_EQ(window.Presents(), 4 * 12 + 1);
  // Options and the button flags are left alone.
  EXPECT_EQ(g_nPlayers, 4);
  EXPECT_EQ(g_nColumnsToWin, 2);
  EXPECT_EQ(g_nPlayerType[3], kComputerSeat);
  EXPECT_EQ(g_bRollPressed, 1);
  EXPECT_EQ(g_bStopPressed, 1);
  EXPECT_EQ(g_bDieClicked, 1);
}

TEST_F(NewGameTest, RollsWithThePreviousSeatCurrent) {
  g_nCurrentPlayer = 1;
  int framesForSeat1 = 0;
  window.OnPresent([&] { framesForSeat1 += g_nCurrentPlayer == 1; });
  NewGame();
  EXPECT_EQ(framesForSeat1, 48);
}

TEST_F(NewGameTest, StartUpThrowsSeatZerosFirstRollFromTheSeed) {
  g_nCurrentPlayer = 1;
  g_Dice[0].m_bSelected = 1;
  PrepareFirstGame(7);
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(window.Presents(), 48);
  EXPECT_EQ(Faces(), (Throw{6, 5, 3, 6}));  // draws 12, 24, 36, 48 of seed 7
  EXPECT_TRUE(DiceFreshlyThrown());
}

TEST(RepaintNow, DoesNothingWithoutAMainWindow) {
  ResetGameState();
  CWinApp app;
  RepaintNow();
  SUCCEED();
}

TEST(Claims, ColumnsAreClaimedAtTheirTopCell) {
  ResetGameState();
  g_nProgress[0][7] = 13;
  g_nProgress[0][2] = 3;
  g_nProgress[0][12] = 2;
  EXPECT_TRUE(HasClaimed(0, 7));
  EXPECT_TRUE(HasClaimed(0, 2));
  EXPECT_FALSE(HasClaimed(0, 12));
  EXPECT_EQ(ClaimedCount(0), 2);
  g_nProgress[0][12] = 3;
  EXPECT_EQ(ClaimedCount(0), 3);
}
