#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_mouse.h"
#include "support/board_setup.h"
#include "support/board_stand_in.h"
#include "support/computer_stand_in.h"
#include "support/dice_control.h"
#include "support/game_snapshot.h"
#include "support/throw_recorder.h"

namespace {

class TurnMouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    SeedRandom(1);
  }

  static bool Selected(int die) { return g_Dice[die].m_bSelected == 1; }

  // Every kind of board input, anywhere that matters.
  void EveryKindOfInput() {
    for (const CPoint point : {DiePoint(0), DiePoint(3), kStopPoint, kRollPoint, kBoardPoint}) {
      mouse.Press(point);
      mouse.Move(point);
      mouse.Release(point);
      mouse.DoubleClickMessage(point);
      mouse.Release(point);
      mouse.Move(kBoardPoint);
    }
  }

  BoardStandIn display;
  BoardMouse mouse;
  ThrowRecorder recorder;
};

}  // namespace

TEST_F(TurnMouseTest, AWholeGameBetweenTwoPeople) {
  NewGame();
  ASSERT_EQ(g_nCurrentPlayer, 0);

  // Seat 0 climbs 2 and 12 with two pairs a throw, three throws.
  for (int height = 1; height <= 3; ++height) {
    SetDice(1, 1, 6, 6);
    EXPECT_EQ(g_bPairPlayed, 0);
    mouse.PlayPair(0, 1);
    EXPECT_EQ(g_bPairPlayed, 1);
    mouse.PlayPair(2, 3);
    EXPECT_EQ(WhitePegHeight(2), height);
    EXPECT_EQ(WhitePegHeight(12), height);
    for (const CDie& die : g_Dice) {
      EXPECT_EQ(die.m_nValue, 0);
    }
    // Used dice cannot be picked.
    mouse.Click(DiePoint(1));
    EXPECT_FALSE(Selected(1));
    if (height < 3) {
      mouse.Click(kRollPoint);
      EXPECT_EQ(g_nCurrentPlayer, 0);
    }
  }
  mouse.Click(kStopPoint);
  EXPECT_EQ(g_nProgress[0][2], 3);
  EXPECT_EQ(g_nProgress[0][12], 3);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  ASSERT_EQ(g_nCurrentPlayer, 1);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_bStopPressed, 0);

  // Seat 1 plays one pair and stops.
  SetDice(3, 4, 5, 6);
  mouse.PlayPair(0, 1);
  mouse.Click(kStopPoint);
  EXPECT_EQ(g_nProgress[1][7], 1);
  ASSERT_EQ(g_nCurrentPlayer, 0);

  // Seat 0 takes column 3 (five cells): 2, then 4, then the top with one
  // pair; the second 3 of that throw is refused.
  for (int throwNumber = 1; throwNumber <= 3; ++throwNumber) {
    if (throwNumber > 1) {
      mouse.Click(kRollPoint);
    }
    SetDice(1, 2, 1, 2);
    mouse.PlayPair(0, 1);
    mouse.PlayPair(2, 3);
  }
  EXPECT_EQ(WhitePegHeight(3), 5);
  EXPECT_TRUE(Selected(2));
  EXPECT_TRUE(Selected(3));
  EXPECT_EQ(g_nWinner, 0);
  const int firstThrows = recorder.Count(ThrowKind::kFirstThrow);
  mouse.Click(kStopPoint);
  // The next seat's dice are thrown, then seat 0 is the winner.
  EXPECT_EQ(g_nWinner, 1);
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_EQ(recorder.Count(ThrowKind::kFirstThrow), firstThrows + 1);

  // From now on the board ignores every input.
  const GameSnapshot over;
  display.ResetFrames();
  EveryKindOfInput();
  EXPECT_TRUE(over == GameSnapshot());
  EXPECT_EQ(display.Frames(), 0);
}

TEST_F(TurnMouseTest, ABustLosesTheWhitePegsAndPassesTheTurn) {
  g_nProgress[0][3] = 2;
  SetDice(1, 2, 6, 6);
  mouse.PlayPair(0, 1);
  mouse.PlayPair(2, 3);
  mouse.Click(kRollPoint);
  SetDice(1, 1, 5, 5);
  mouse.PlayPair(0, 1);
  ASSERT_EQ(g_WhitePegs.Get(0, kGetCount), 3);  // 3, 12 and 2
  // A throw with no 2, 3 or 12 busts; seat 1's first throw follows.
  SetNextThrows({{2, 2, 4, 4}, {1, 2, 3, 4}});
  mouse.Press(kRollPoint);
  EXPECT_EQ(g_bRollPressed, 1);
  mouse.Release(kRollPoint);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_nProgress[0][3], 2);
  EXPECT_EQ(g_nProgress[0][2], 0);
  EXPECT_EQ(g_nProgress[0][12], 0);
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_EQ(Faces(), (Throw{1, 2, 3, 4}));
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_bRollPressed, 0);
  ASSERT_GE(recorder.Throws().size(), 2u);
  const auto& last = recorder.Throws();
  EXPECT_EQ(last[last.size() - 2].kind, ThrowKind::kRollAgain);
  EXPECT_FALSE(last[last.size() - 2].bPlayable);
  EXPECT_EQ(last.back().kind, ThrowKind::kFirstThrow);
}

TEST_F(TurnMouseTest, ARefusedPairStaysSelectedUntilThePlayerPicksAnother) {
  Claim(1, {7});
  SetDice(3, 4, 1, 1);
  mouse.PlayPair(0, 1);  // 7 is closed
  EXPECT_TRUE(Selected(0));
  EXPECT_TRUE(Selected(1));
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  // Nothing is live: the buttons do not take a press.
  mouse.Click(kRollPoint);
  EXPECT_EQ(g_Dice[2].m_nValue, 1);
  EXPECT_TRUE(recorder.Throws().empty());

  mouse.Click(DiePoint(1));  // drop the 4
  mouse.DoubleClick(DiePoint(2));
  EXPECT_EQ(WhitePegHeight(4), 1);
  EXPECT_EQ(g_Dice[0].m_nValue, 0);
  EXPECT_EQ(g_Dice[2].m_nValue, 0);
  EXPECT_EQ(g_Dice[1].m_nValue, 4);
  EXPECT_EQ(g_bPairPlayed, 1);
}

TEST_F(TurnMouseTest, ADoubleClickPlaysOnlyExactlyTwoSelectedDice) {
  SetDice(2, 3, 4, 5);
  mouse.Click(DiePoint(0));
  mouse.Click(DiePoint(1));
  mouse.DoubleClick(DiePoint(2));
  EXPECT_TRUE(Selected(0));
  EXPECT_TRUE(Selected(1));
  EXPECT_TRUE(Selected(2));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_bPairPlayed, 0);

  // One selected die: nothing either.
  SetDice(2, 3, 4, 5);
  mouse.DoubleClick(DiePoint(3));
  EXPECT_TRUE(Selected(3));
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
}

TEST_F(TurnMouseTest, ADoubleClickArrivesAsPressReleaseDoubleClickRelease) {
  SetDice(2, 3, 4, 5);
  mouse.Click(DiePoint(0));
  mouse.Press(DiePoint(1));
  EXPECT_TRUE(Selected(1));
  EXPECT_EQ(g_bDieClicked, 1);
  mouse.Release(DiePoint(1));
  EXPECT_EQ(g_bDieClicked, 0);
  mouse.DoubleClickMessage(DiePoint(1));
  EXPECT_EQ(WhitePegHeight(5), 1);
  EXPECT_EQ(g_Dice[0].m_nValue, 0);
  EXPECT_EQ(g_Dice[1].m_nValue, 0);
  EXPECT_FALSE(Selected(0));
  EXPECT_FALSE(Selected(1));
  EXPECT_EQ(g_bPairPlayed, 1);
  mouse.Release(DiePoint(1));
  EXPECT_EQ(g_bDieClicked, 0);

  // A press whose release was lost outside the window: the next press on a
  // die is ignored once, and its release clears the way.
  mouse.Press(DiePoint(2));
  EXPECT_TRUE(Selected(2));
  mouse.Press(DiePoint(3));
  EXPECT_FALSE(Selected(3));
  mouse.Release(DiePoint(3));
  mouse.Press(DiePoint(3));
  EXPECT_TRUE(Selected(3));
}

TEST_F(TurnMouseTest, AHeldButtonIsCancelledByLeavingBothButtons) {
  SetDice(2, 3, 4, 5);
  mouse.PlayPair(0, 1);
  display.ResetFrames();
  mouse.Press(kRollPoint);
  EXPECT_EQ(g_bRollPressed, 1);
  EXPECT_EQ(display.Frames(), 1);  // the pressed picture, not a whole repaint
  mouse.Move(kRollPoint);
  mouse.Move(kStopPoint);  // over STOP: still held
  EXPECT_EQ(g_bRollPressed, 1);
  mouse.Move(kBoardPoint);
  EXPECT_EQ(g_bRollPressed, 0);
  mouse.Move(kRollPoint);  // coming back does not press again
  EXPECT_EQ(g_bRollPressed, 0);
  mouse.Release(kRollPoint);
  EXPECT_TRUE(recorder.Throws().empty());
  EXPECT_EQ(g_Dice[0].m_nValue, 0);
  EXPECT_EQ(g_bPairPlayed, 1);

  // A press elsewhere lets go of STOP as well.
  mouse.Press(kStopPoint);
  EXPECT_EQ(g_bStopPressed, 1);
  mouse.Press(kBoardPoint);
  EXPECT_EQ(g_bStopPressed, 0);
  mouse.Release(kStopPoint);
  EXPECT_EQ(g_nCurrentPlayer, 0);

  // Pressed and released anywhere, even off the board, without leaving the
  // buttons first: the dice are thrown.
  mouse.Press(kRollPoint);
  mouse.Release({-40, 900});
  EXPECT_EQ(recorder.Count(ThrowKind::kRollAgain), 1);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_TRUE(DiceFreshlyThrown());
  // Right after the throw the buttons are not live.
  mouse.Click(kStopPoint);
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_bStopPressed, 0);
}

TEST_F(TurnMouseTest, TheButtonPicturesGoUpAtOnce) {
  // What STOP and ROLL show, in that order.
  const auto shown = [&] {
    return std::string{display.Shown(BoardButton::kStop), display.Shown(BoardButton::kRoll)};
  };
  SetDice(2, 3, 4, 5);
  mouse.PlayPair(0, 1);
  mouse.Press(kStopPoint);
  EXPECT_EQ(shown(), "PL");
  mouse.Move(kBoardPoint);
  EXPECT_EQ(shown(), "LL");
  mouse.Press(kRollPoint);
  EXPECT_EQ(shown(), "LP");
}

TEST_F(TurnMouseTest, AFirstThrowWithNoPairSkipsTheSeat) {
  g_nPlayers = 3;
  g_nColumnsToWin = 4;
  Claims({{11}, {4, 5, 6}, {8, 9, 10}});  // open: 2, 3, 7 and 12
  SetDice(3, 4, 1, 1);
  mouse.PlayPair(0, 1);
  // Seat 1 throws pair sums 8, 9 and 10 only; seat 2 throws a 2.
  SetNextThrows({{4, 4, 5, 5}, {1, 1, 5, 5}});
  mouse.Click(kStopPoint);
  EXPECT_EQ(g_nProgress[0][7], 1);
  EXPECT_EQ(g_nCurrentPlayer, 2);
  ASSERT_EQ(recorder.Throws().size(), 2u);
  EXPECT_EQ(recorder.Throws()[0].nSeat, 1);
  EXPECT_FALSE(recorder.Throws()[0].bPlayable);
  EXPECT_EQ(recorder.Throws()[1].nSeat, 2);
  EXPECT_TRUE(recorder.Throws()[1].bPlayable);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
}

TEST_F(TurnMouseTest, TheComputerIsHandedTheMoveInsideTheReleaseAndThePress) {
  ComputerStandIn computer;
  g_nPlayers = 3;
  g_nPlayerType[2] = kComputerSeat;
  g_nCurrentPlayer = 1;
  SetDice(3, 4, 1, 1);
  mouse.PlayPair(0, 1);
  mouse.Press(kStopPoint);
  EXPECT_TRUE(computer.SeatsHandedOver().empty());
  mouse.Release(kStopPoint);
  EXPECT_EQ(computer.SeatsHandedOver(), std::vector<int>{2});
  EXPECT_EQ(g_nProgress[1][7], 1);

  // A computer still to move is handed the move first by every press.
  mouse.Press(kBoardPoint);
  EXPECT_EQ(computer.SeatsHandedOver(), (std::vector<int>{2, 2}));

  // A person to move is never handed over.
  g_nCurrentPlayer = 0;
  mouse.Click(kBoardPoint);
  EXPECT_EQ(computer.SeatsHandedOver().size(), 2u);
}

TEST_F(TurnMouseTest, AStopThatClaimsTheLastColumnWithoutAWinnerEndsTheGame) {
  g_nPlayers = 4;
  g_nColumnsToWin = 4;
  Claims({{2, 3, 4}, {5, 6, 7}, {8, 9, 10}, {11}});
  g_nProgress[3][12] = 2;
  g_nCurrentPlayer = 3;
  SetDice(6, 6, 1, 2);
  mouse.PlayPair(0, 1);
  EXPECT_EQ(WhitePegHeight(12), 3);
  mouse.Click(kStopPoint);
  EXPECT_EQ(g_bNoWinner, 1);
  EXPECT_EQ(g_nWinner, 0);
  EXPECT_EQ(recorder.Count(ThrowKind::kFirstThrow), 1);
  EXPECT_EQ(g_nCurrentPlayer, 0);

  const GameSnapshot over;
  EveryKindOfInput();
  EXPECT_TRUE(over == GameSnapshot());

  // A new game starts afresh.
  NewGame();
  EXPECT_EQ(g_bNoWinner, 0);
  mouse.Click(DiePoint(0));
  EXPECT_TRUE(Selected(0));
}
