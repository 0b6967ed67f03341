#include "game/white_pegs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "support/dice_control.h"
#include "support/game_snapshot.h"

namespace {

class WhitePegsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
};

}  // namespace

TEST_F(WhitePegsTest, AdvancePlacesAboveTheCommittedPegAndThenClimbs) {
  g_nCurrentPlayer = 1;
  g_nProgress[1][7] = 4;
  EXPECT_TRUE(g_WhitePegs.Advance(7));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetColumn), 7);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetHeight), 5);
  EXPECT_TRUE(g_WhitePegs.Advance(7));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetHeight), 6);
  EXPECT_EQ(g_WhitePegs.Get(2, kGetCount), 1);
  // A column without a committed peg starts at cell 1; free slots read 0.
  EXPECT_TRUE(g_WhitePegs.Advance(2));
  EXPECT_EQ(g_WhitePegs.Get(1, kGetHeight), 1);
  EXPECT_EQ(g_WhitePegs.Get(2, kGetColumn), 0);
  EXPECT_EQ(g_WhitePegs.Get(2, kGetHeight), 0);
  EXPECT_EQ(g_WhitePegs.Get(0, 0), 2);
}

TEST_F(WhitePegsTest, RefusalsChangeNothing) {
  // A column another seat has claimed.
  g_nProgress[3][12] = 3;
  const GameSnapshot beforeClaimed;
  EXPECT_FALSE(g_WhitePegs.Advance(12));
  EXPECT_FALSE(g_WhitePegs.Place(12));
  EXPECT_TRUE(beforeClaimed == GameSnapshot());
  // Three slots in use and the column is not among them.
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  ASSERT_TRUE(g_WhitePegs.Advance(7));
  ASSERT_TRUE(g_WhitePegs.Advance(10));
  const GameSnapshot beforeFull;
  EXPECT_FALSE(g_WhitePegs.Advance(6));
  EXPECT_FALSE(g_WhitePegs.Place(6));
  EXPECT_TRUE(beforeFull == GameSnapshot());
  EXPECT_TRUE(g_WhitePegs.Advance(7));
  // A white peg on the top cell.
  g_nProgress[0][4] = 5;
  g_WhitePegs.Clear();
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetHeight), 7);
  const GameSnapshot beforeTop;
  EXPECT_FALSE(g_WhitePegs.Advance(4));
  EXPECT_TRUE(beforeTop == GameSnapshot());
}

TEST_F(WhitePegsTest, CommitWritesOnlyHeldColumnsAndClaimsClose) {
  g_nCurrentPlayer = 2;
  for (int c = 2; c <= 12; ++c) {
    g_nProgress[2][c] = 1;
  }
  g_nProgress[2][0] = 9;  // entries 0 and 1 are never touched
  g_nProgress[0][7] = 6;
  g_nProgress[2][2] = 2;
  ASSERT_TRUE(g_WhitePegs.Advance(2));  // to cell 3, the top of column 2
  ASSERT_TRUE(g_WhitePegs.Advance(9));
  ASSERT_TRUE(g_WhitePegs.Advance(9));
  g_WhitePegs.Commit();
  EXPECT_EQ(g_nProgress[2][2], 3);
  EXPECT_EQ(g_nProgress[2][9], 3);
  for (int c = 3; c <= 12; ++c) {
    if (c != 9) {
      EXPECT_EQ(g_nProgress[2][c], 1) << c;
    }
  }
  EXPECT_EQ(g_nProgress[2][0], 9);
  EXPECT_EQ(g_nProgress[0][7], 6);
  // Commit does not empty the slots; the caller clears.
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 2);
  EXPECT_TRUE(HasClaimed(2, 2));
  EXPECT_FALSE(IsColumnOpen(2));
  g_WhitePegs.Clear();
  g_nCurrentPlayer = 0;
  EXPECT_FALSE(g_WhitePegs.Advance(2));
}

TEST_F(WhitePegsTest, BustTestCases) {
  // canMove is the bust test of the seat to move (seat 0); anyPairOpen asks
  // only whether some pair sum names a column nobody has claimed.
  const struct {
    std::vector<std::array<int, 3>> progress;  // seat, column, committed cell
    std::vector<int> held;                     // white pegs placed, in slot order
    Throw dice;
    bool canMove;
    bool anyPairOpen;
  } cases[] = {
      // 1,1,1,1 with the white peg of column 2 on its top cell: a bust however many slots are used.
      {{{0, 2, 2}}, {2}, {1, 1, 1, 1}, false, true},
      {{{0, 2, 2}}, {2, 5}, {1, 1, 1, 1}, false, true},
      {{{0, 2, 2}}, {2, 5, 9}, {1, 1, 1, 1}, false, true},
      // 1,1,1,2 with fewer than three slots: the 3 opens column 3, unless it is claimed.
      {{{0, 2, 2}}, {2}, {1, 1, 1, 2}, true, true},
      {{{0, 2, 2}, {1, 3, 5}}, {2}, {1, 1, 1, 2}, false, true},
      // Three slots: open columns among the sums do not help.
      {{}, {4, 7, 10}, {1, 1, 2, 6}, true, true},   // sums 2, 3, 7, 3, 7, 8
      {{}, {4, 7, 10}, {1, 1, 2, 2}, true, true},   // sums 2, 3, 3, 3, 3, 4
      {{}, {4, 7, 10}, {1, 1, 1, 2}, false, true},  // sums 2, 2, 3, 2, 3, 3
      // The first throw of a turn: any open pair sum, whoever claimed the others.
      {{}, {}, {6, 6, 6, 6}, true, true},
      {{{3, 12, 3}}, {}, {6, 6, 6, 6}, false, false},
      {{{1, 2, 3}}, {}, {1, 1, 2, 3}, true, true},  // 2 is claimed, 3 is not
      {{{0, 2, 3}, {2, 3, 5}}, {}, {1, 1, 1, 2}, false, false},
  };
  for (const auto& [progress, held, dice, canMove, anyPairOpen] : cases) {
    ResetGameState();
    for (const auto& [seat, column, cell] : progress) {
      g_nProgress[seat][column] = cell;
    }
    for (const int column : held) {
      ASSERT_TRUE(g_WhitePegs.Advance(column));
    }
    SetDice(dice[0], dice[1], dice[2], dice[3]);
    const std::string row = std::to_string(held.size()) + " pegs, dice " + std::to_string(dice[0]) +
                            std::to_string(dice[1]) + std::to_string(dice[2]) +
                            std::to_string(dice[3]);
    EXPECT_EQ(g_WhitePegs.CanMove(), canMove) << row;
    EXPECT_EQ(AnyPairOpen(), anyPairOpen) << row;
  }
}

TEST_F(WhitePegsTest, CanAdvanceLooksAtTheHighestSlotHoldingTheColumn) {
  g_nProgress[0][3] = 4;
  ASSERT_TRUE(g_WhitePegs.Advance(3));  // top cell of column 3
  ASSERT_TRUE(g_WhitePegs.Advance(8));
  EXPECT_FALSE(g_WhitePegs.CanAdvance(3));
  EXPECT_TRUE(g_WhitePegs.CanAdvance(8));
}
