#include "game/turn_passing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_setup.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"
#include "support/throw_recorder.h"

namespace {

class TurnPassingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    SeedRandom(3);
  }

  BoardStandIn display;
  ThrowRecorder recorder;
};

}  // namespace

TEST_F(TurnPassingTest, TheNextSeatGetsAFreshTurn) {
  g_nPlayers = 3;
  g_nCurrentPlayer = 2;
  g_WhitePegs.Advance(7);
  g_bPairPlayed = 1;
  g_bStopPressed = 1;
  g_Dice[1].m_bSelected = 1;
  NextPlayer();
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_bStopPressed, 0);
  EXPECT_TRUE(DiceFreshlyThrown());
  EXPECT_EQ(recorder.Throws().size(), 1u);
  EXPECT_EQ(g_nWinner, 0);
}

TEST_F(TurnPassingTest, TheLowestSeatWithEnoughClaimsWinsAtThePassOfTheTurn) {
  g_nPlayers = 4;
  Claims({{}, {2, 3}, {}, {4, 5}});
  g_nCurrentPlayer = 3;
  NextPlayer();
  EXPECT_EQ(g_nWinner, 0);

  // Two columns to win, set in the middle of the game.
  g_nColumnsToWin = 2;
  NextPlayer();
  EXPECT_EQ(g_nWinner, 2);
  // Once won, the winner stays, whatever the claims become.
  Claim(0, {6, 7, 8});
  CheckWinner();
  EXPECT_EQ(g_nWinner, 2);
}

TEST_F(TurnPassingTest, AWinThatClaimsTheLastColumnsEndsThePassing) {
  // Four seats with two claims each; seat 0's stop takes the three left.
  g_nPlayers = 4;
  Claims({{2, 3, 7, 11, 12}, {4, 5}, {6, 8}, {9, 10}});
  NextPlayer();
  EXPECT_EQ(g_nWinner, 1);
  EXPECT_EQ(g_bNoWinner, 0);
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_EQ(recorder.Throws().size(), 1u);
  EXPECT_TRUE(IsGameOver());
}

TEST_F(TurnPassingTest, EveryColumnClaimedAndNobodyWinning) {
  g_nPlayers = 4;
  g_nColumnsToWin = 4;
  Claims({{2, 3, 4}, {5, 6, 7}, {8, 9, 10}, {11, 12}});
  g_nCurrentPlayer = 3;
  // Whether each frame shows the ending.
  std::vector<int> endingShown;
  display.OnFrame([&] { endingShown.push_back(g_bNoWinner); });
  NextPlayer();
  EXPECT_EQ(g_bNoWinner, 1);
  EXPECT_EQ(g_nWinner, 0);
  EXPECT_TRUE(IsGameOver());
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(recorder.Throws().size(), 1u);
  // One throw, then one repaint that shows the ending.
  ASSERT_FALSE(endingShown.empty());
  EXPECT_EQ(endingShown.back(), 1);
  EXPECT_EQ(std::count(endingShown.begin(), endingShown.end(), 1), 1);
}

TEST_F(TurnPassingTest, OneOpenColumnKeepsTheTurnPassingUntilAThrowCanUseIt) {
  g_nPlayers = 4;
  g_nColumnsToWin = 4;
  Claims({{2, 3, 4}, {5, 6, 8}, {9, 10, 11}, {12}});  // only 7 is open
  // Seats 1 and 2 throw no 7; seat 3 throws 3 + 4.
  SetNextThrows({{1, 1, 1, 1}, {6, 6, 2, 2}, {1, 1, 3, 4}});
  NextPlayer();
  EXPECT_EQ(g_bNoWinner, 0);
  EXPECT_EQ(g_nCurrentPlayer, 3);
  EXPECT_TRUE(g_WhitePegs.CanMove());
  const auto& throws = recorder.Throws();
  ASSERT_EQ(throws.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(throws[i].nSeat, i + 1);
    EXPECT_EQ(throws[i].bPlayable, i == 2);
  }
}
