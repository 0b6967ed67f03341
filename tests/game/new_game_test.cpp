#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"
#include "support/game_invariants.h"
#include "support/game_snapshot.h"

namespace {

class NewGameTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
  BoardStandIn display;
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
  // Whether each frame shows seat 0 to move with the faces the dice keep.
  std::vector<bool> settled;
  display.OnFrame([&] {
    settled.push_back(g_nCurrentPlayer == 0 && Faces() == Throw{2, 6, 5, 1});
  });

  SetNextThrows({{2, 6, 5, 1}, {3, 3, 3, 3}});
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
  // One throw, then a repaint of the new game.
  EXPECT_EQ(Faces(), (Throw{2, 6, 5, 1}));
  EXPECT_TRUE(DiceFreshlyThrown());
  EXPECT_EQ(StatedThrowsLeft(), 1);
  SetNextThrows({});
  ASSERT_FALSE(settled.empty());
  EXPECT_TRUE(settled.back());
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
  // The seat to move at each frame.
  std::vector<int> seats;
  display.OnFrame([&] { seats.push_back(g_nCurrentPlayer); });
  NewGame();
  // Every frame of the throw shows seat 1; the repaint after it shows seat 0.
  ASSERT_GE(seats.size(), 2u);
  EXPECT_EQ(seats.back(), 0);
  seats.pop_back();
  EXPECT_EQ(std::count(seats.begin(), seats.end(), 1), static_cast<std::ptrdiff_t>(seats.size()));
}

TEST_F(NewGameTest, StartUpThrowsSeatZerosFirstRollFromTheSeed) {
  const Throw fromSeed7 = ThrowAfterSeed(7);
  for (const std::uint32_t seed : {7u, 8u, 7u}) {
    g_nCurrentPlayer = 1;
    g_Dice[0].m_bSelected = 1;
    SetDice(1, 1, 1, 1);
    display.ResetFrames();
    PrepareFirstGame(seed);
    EXPECT_EQ(g_nCurrentPlayer, 0);
    EXPECT_TRUE(DiceFreshlyThrown());
    EXPECT_GT(display.Frames(), 4) << "the throw is not shown frame by frame";
    // Thrown right after seeding: the faces of seed 7 come up for seed 7 only.
    EXPECT_EQ(Faces() == fromSeed7, seed == 7) << seed;
  }
}

// Claims worked out by hand from the board: a column is claimed on its top
// cell, the 3rd in columns 2 and 12, two more a column inwards, the 13th in 7.
// The invariants' own counts are held to the same figures.
TEST(Claims, ColumnsAreClaimedAtTheirTopCellAlone) {
  const int kTopCell[13] = {0, 0, 3, 5, 7, 9, 11, 13, 11, 9, 7, 5, 3};
  for (int column = 2; column <= 12; ++column) {
    for (int seat = 0; seat < 4; ++seat) {
      SCOPED_TRACE(testing::Message() << "seat " << seat << ", column " << column);
      ResetGameState();
      g_nProgress[seat][column] = kTopCell[column] - 1;
      EXPECT_FALSE(HasClaimed(seat, column));
      EXPECT_EQ(ClaimedCount(seat), 0);
      g_nProgress[seat][column] = kTopCell[column];
      EXPECT_TRUE(HasClaimed(seat, column));
      EXPECT_EQ(ClaimedCount(seat), 1);
      EXPECT_EQ(ColumnsClaimedBy(seat), 1);
      EXPECT_EQ(ColumnsOpen(), 10);
    }
  }
  // Seat 1 holds 2 and 12, seat 3 holds 4, 7 and 10, seat 0 is a cell short of 6's top.
  ResetGameState();
  for (const auto& [seat, column] : {std::pair{1, 2}, {1, 12}, {3, 4}, {3, 7}, {3, 10}}) {
    g_nProgress[seat][column] = kTopCell[column];
  }
  g_nProgress[0][6] = 10;
  const int kClaims[4] = {0, 2, 0, 3};
  for (int seat = 0; seat < 4; ++seat) {
    EXPECT_EQ(ClaimedCount(seat), kClaims[seat]) << seat;
    EXPECT_EQ(ColumnsClaimedBy(seat), kClaims[seat]) << seat;
  }
  EXPECT_EQ(ColumnsOpen(), 6);
  for (const auto& [toWin, seat] : {std::pair{2, 1}, {3, 3}, {4, -1}}) {
    g_nColumnsToWin = toWin;
    EXPECT_EQ(FirstSeatWithColumnsToWin(), seat) << toWin;
  }
}
