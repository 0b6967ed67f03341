#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "support/board_setup.h"
#include "support/dice_control.h"
#include "support/displayless_main_window.h"

namespace {

// Records the dice at every repaint: B = selected (black), - = used (blank),
// o = showing its face.
class ComputerMovesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    window.OnPresent([this] { frames.push_back(DiceLook()); });
  }

  static std::string DiceLook() {
    std::string look;
    for (const CDie& die : g_Dice) {
      look += die.m_bSelected == 1 ? 'B' : die.m_nValue == 0 ? '-' : 'o';
    }
    return look;
  }

  // Gives the seat to move white pegs in these columns, one cell above its pegs.
  static void HoldColumns(std::initializer_list<int> columns) {
    for (const int column : columns) {
      ASSERT_TRUE(g_WhitePegs.Advance(column));
    }
  }

  using Frames = std::vector<std::string>;

  DisplaylessMainWindow window;
  CComputerPlayer player;
  Frames frames;
};

}  // namespace

TEST_F(ComputerMovesTest, FirstMoveTakesADoubleFirstAndShowsBothPairs) {
  g_nProgress[0][7] = 4;
  g_nRollAgainOdds = 96;
  SetDice(3, 4, 2, 5);  // pairing A: 7 and 7
  player.ChooseFirstMove();
  EXPECT_EQ(g_nRollAgainOdds, 3);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 1);
  EXPECT_EQ(WhitePegHeight(7), 6);
  EXPECT_EQ(frames, (Frames{"Booo", "BBoo", "--oo", "--Bo", "--BB", "----"}));
  // Both pairs played: the buttons stay as the throw left them.
  EXPECT_EQ(g_bPairPlayed, 0);

  // Pairing C is the double here (5 and 5), shown 0, 3 then 2, 1.
  ResetGameState();
  frames.clear();
  SetDice(1, 2, 3, 4);
  player.ChooseFirstMove();
  EXPECT_EQ(WhitePegHeight(5), 2);
  EXPECT_EQ(frames, (Frames{"Booo", "BooB", "-oo-", "-oB-", "-BB-", "----"}));
}

TEST_F(ComputerMovesTest, FirstMoveWithoutADoubleTakesTheColumnNearestTheMiddle) {
  SetDice(1, 2, 4, 6);  // sums 3, 5, 7, 6, 8, 10
  player.ChooseFirstMove();
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 1);
  EXPECT_EQ(WhitePegHeight(7), 1);
  EXPECT_EQ(frames, (Frames{"Booo", "BooB", "-oo-"}));
  EXPECT_EQ(g_bPairPlayed, 1);

  // No 7: of 6 and 8 the lower comes first; the pair 1 + 2 is shown 2, 1.
  ResetGameState();
  frames.clear();
  SetDice(2, 3, 3, 6);  // sums 5, 5, 8, 6, 9, 9: no double in a pairing
  player.ChooseFirstMove();
  EXPECT_EQ(WhitePegHeight(6), 1);
  EXPECT_EQ(WhitePegHeight(8), 0);
  EXPECT_EQ(frames, (Frames{"ooBo", "oBBo", "o--o"}));
}

TEST_F(ComputerMovesTest, ADoubleThatReachesTheTopPlaysOnlyOnePair) {
  g_nProgress[0][12] = 2;
  SetDice(6, 6, 6, 6);
  player.ChooseFirstMove();
  EXPECT_EQ(WhitePegHeight(12), 3);
  EXPECT_EQ(frames, (Frames{"Booo", "BBoo", "--oo"}));
  EXPECT_EQ(g_bPairPlayed, 1);
}

TEST_F(ComputerMovesTest, ClaimedColumnsArePassedOver) {
  g_nProgress[1][7] = 13;
  SetDice(3, 4, 2, 5);  // the double of 7 is closed; sums 7, 5, 8, 6, 9, 7
  player.ChooseFirstMove();
  EXPECT_EQ(WhitePegHeight(7), 0);
  EXPECT_EQ(WhitePegHeight(6), 1);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 1);
}

TEST_F(ComputerMovesTest, ADoubleOnAHeldColumnComesFirst) {
  HoldColumns({5, 7});
  SetDice(3, 4, 2, 5);
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(7), 3);
  EXPECT_EQ(WhitePegHeight(5), 1);
  EXPECT_EQ(frames.back(), "----");
}

TEST_F(ComputerMovesTest, HeldColumnsComeBeforeADoubleElsewhere) {
  HoldColumns({6, 8});
  SetDice(2, 4, 3, 5);  // 2 + 4 = 6, 3 + 5 = 8; pairing C is a double of 7
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(6), 2);
  EXPECT_EQ(WhitePegHeight(8), 2);
  EXPECT_EQ(WhitePegHeight(7), 0);
  EXPECT_EQ(frames, (Frames{"Booo", "BBoo", "--oo", "--Bo", "--BB", "----"}));
  EXPECT_EQ(g_bPairPlayed, 1);
}

TEST_F(ComputerMovesTest, TheSecondPairMovesOnlyAPegItNames) {
  // The 4 is played; the remaining 3 + 6 names no held column and opens none.
  HoldColumns({4, 3});
  SetDice(1, 3, 3, 6);
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(4), 2);
  EXPECT_EQ(WhitePegHeight(3), 1);
  EXPECT_EQ(WhitePegHeight(9), 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 2);
  EXPECT_EQ(frames.back(), "--oo");

  // With a peg in 9 the remaining pair moves it too.
  ResetGameState();
  frames.clear();
  HoldColumns({4, 9});
  SetDice(1, 3, 3, 6);
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(4), 2);
  EXPECT_EQ(WhitePegHeight(9), 2);
  EXPECT_EQ(frames.back(), "----");
}

TEST_F(ComputerMovesTest, APegOnTheTopCellIsNeverMovedAgain) {
  g_nProgress[0][7] = 12;
  HoldColumns({7, 5});  // the 7 stands on cell 13
  SetDice(3, 4, 2, 5);  // pairing A is a double of 7
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(7), 13);
  EXPECT_EQ(WhitePegHeight(5), 2);  // 3 + 2
  EXPECT_EQ(WhitePegHeight(9), 0);  // 4 + 5 opens no new column
  EXPECT_EQ(frames, (Frames{"Booo", "BoBo", "-o-o"}));
}

TEST_F(ComputerMovesTest, WithThreePegsOtherColumnsAreNeverPlayed) {
  HoldColumns({4, 5, 6});
  SetDice(3, 4, 2, 5);  // a double of 7, and 3 + 2 = 5
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(5), 2);
  EXPECT_EQ(WhitePegHeight(7), 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 3);
}

TEST_F(ComputerMovesTest, WithNoHeldColumnInReachANewOneIsOpened) {
  HoldColumns({2});
  SetDice(3, 4, 2, 5);
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(7), 2);  // the double, both pairs
  EXPECT_EQ(g_WhitePegs.Get(1, kGetColumn), 7);
  EXPECT_EQ(frames.back(), "----");
}

TEST_F(ComputerMovesTest, UsedDiceFormNoPair) {
  // Die 0 was used by an earlier pair: it and the 5 are no pair of 5.
  HoldColumns({5});
  SetDice(0, 5, 4, 4);
  player.ChooseMove();
  EXPECT_EQ(WhitePegHeight(5), 1);
  EXPECT_EQ(WhitePegHeight(8), 1);
}
