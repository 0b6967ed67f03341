#include "game/white_pegs.h"

#include <gtest/gtest.h>

#include <cstring>

#include "game/dice.h"
#include "game/game_state.h"
#include "support/displayless_main_window.h"

namespace {

class WhitePegsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }

  static void SetDice(int a, int b, int c, int d) {
    g_Dice[0].m_nValue = a;
    g_Dice[1].m_nValue = b;
    g_Dice[2].m_nValue = c;
    g_Dice[3].m_nValue = d;
  }

  // Everything a refused operation must leave alone.
  struct Snapshot {
    CWhitePegs pegs;
    int progress[4][13];
    Snapshot() : pegs(g_WhitePegs) { std::memcpy(progress, g_nProgress, sizeof progress); }
    void ExpectUnchanged() const {
      EXPECT_EQ(std::memcmp(&pegs, &g_WhitePegs, sizeof pegs), 0);
      EXPECT_EQ(std::memcmp(progress, g_nProgress, sizeof progress), 0);
    }
  };
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
  {
    Snapshot before;
    EXPECT_FALSE(g_WhitePegs.Advance(12));
    EXPECT_FALSE(g_WhitePegs.Place(12));
    before.ExpectUnchanged();
  }
  // Three slots in use and the column is not among them.
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  ASSERT_TRUE(g_WhitePegs.Advance(7));
  ASSERT_TRUE(g_WhitePegs.Advance(10));
  {
    Snapshot before;
    EXPECT_FALSE(g_WhitePegs.Advance(6));
    EXPECT_FALSE(g_WhitePegs.Place(6));
    before.ExpectUnchanged();
  }
  EXPECT_TRUE(g_WhitePegs.Advance(7));
  // A white peg on the top cell.
  g_nProgress[0][4] = 5;
  g_WhitePegs.Clear();
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetHeight), 7);
  {
    Snapshot before;
    EXPECT_FALSE(g_WhitePegs.Advance(4));
    before.ExpectUnchanged();
  }
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
  // 1,1,1,1 with the white peg of column 2 on its top cell: a bust however many slots are used.
  SetDice(1, 1, 1, 1);
  g_nProgress[0][2] = 2;
  ASSERT_TRUE(g_WhitePegs.Advance(2));
  EXPECT_FALSE(g_WhitePegs.CanMove());
  ASSERT_TRUE(g_WhitePegs.Advance(5));
  EXPECT_FALSE(g_WhitePegs.CanMove());
  ASSERT_TRUE(g_WhitePegs.Advance(9));
  EXPECT_FALSE(g_WhitePegs.CanMove());

  // 1,1,1,2 with fewer than three slots: the 3 opens column 3.
  g_WhitePegs.Clear();
  ASSERT_TRUE(g_WhitePegs.Advance(2));
  SetDice(1, 1, 1, 2);
  EXPECT_TRUE(g_WhitePegs.CanMove());
  // ... unless column 3 is claimed.
  g_nProgress[1][3] = 5;
  EXPECT_FALSE(g_WhitePegs.CanMove());

  // Three slots: open columns among the sums do not help.
  g_WhitePegs.Clear();
  g_nProgress[0][2] = 0;
  g_nProgress[1][3] = 0;
  ASSERT_TRUE(g_WhitePegs.Advance(4));
  ASSERT_TRUE(g_WhitePegs.Advance(7));
  ASSERT_TRUE(g_WhitePegs.Advance(10));
  SetDice(1, 1, 2, 6);  // sums 2, 3, 7, 3, 7, 8
  EXPECT_TRUE(g_WhitePegs.CanMove());
  SetDice(1, 1, 2, 2);  // sums 2, 3, 3, 3, 3, 4
  EXPECT_TRUE(g_WhitePegs.CanMove());
  SetDice(1, 1, 1, 2);  // sums 2, 2, 3, 2, 3, 3
  EXPECT_FALSE(g_WhitePegs.CanMove());

  // The first throw of a turn: any open pair sum.
  g_WhitePegs.Clear();
  SetDice(6, 6, 6, 6);
  EXPECT_TRUE(g_WhitePegs.CanMove());
  g_nProgress[3][12] = 3;
  EXPECT_FALSE(g_WhitePegs.CanMove());
  EXPECT_FALSE(AnyPairOpen());
}

TEST_F(WhitePegsTest, CanAdvanceLooksAtTheHighestSlotHoldingTheColumn) {
  g_nProgress[0][3] = 4;
  ASSERT_TRUE(g_WhitePegs.Advance(3));  // top cell of column 3
  ASSERT_TRUE(g_WhitePegs.Advance(8));
  EXPECT_FALSE(g_WhitePegs.CanAdvance(3));
  EXPECT_TRUE(g_WhitePegs.CanAdvance(8));
}
