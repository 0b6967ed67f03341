#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ai/computer_player.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_mouse.h"
#include "support/board_setup.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"
#include "support/throw_recorder.h"

namespace {

constexpr int C = kComputerSeat;
constexpr int H = kHumanSeat;

class ComputerTurnTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }

  static void Seats(std::initializer_list<int> kinds) {
    g_nPlayers = static_cast<int>(kinds.size());
    int seat = 0;
    for (const int kind : kinds) {
      g_nPlayerType[seat++] = kind;
    }
  }

  static bool Committed(int seat) {
    for (int column = 2; column <= 12; ++column) {
      if (g_nProgress[seat][column] > 0) {
        return true;
      }
    }
    return false;
  }

  // A new game with these seat kinds, thrown from the seed.
  static void NewGameWith(std::initializer_list<int> kinds, std::uint32_t seed) {
    ResetGameState();
    Seats(kinds);
    SeedRandom(seed);
    NewGame();
  }

  // Seat 0 (a computer, seat 1 a person) is in the middle of its turn with
  // white pegs in 6, 7 and 8; its throw is a double of 7, so after the move
  // it decides with three pegs on the first draw.
  static void ThreePegsOnTheTable() {
    Seats({C, H});
    for (const int column : {6, 7, 8}) {
      g_WhitePegs.Advance(column);
    }
    SetDice(3, 3, 4, 4);
    g_nRollAgainOdds = 3;  // as the turn's first move left it
  }

  // Seeds the random source so that the first decision, with this divisor,
  // stops; or, given a test of the second decision's draw, rolls again, the
  // throw moves the peg in 6 and the draw after it passes the test.
  static void SeedDecisions(int divisor, const std::function<bool(int)>& secondDraw = {}) {
    const int secondDecision = 1 + kDrawsOfAThrow + 1;
    SeedRandom(FindSeed([&](std::uint32_t seed) {
      const bool rollsAgain = DrawAfterSeed(seed, 1) % divisor == 1;
      return secondDraw ? rollsAgain && secondDraw(DrawAfterSeed(seed, secondDecision))
                        : !rollsAgain;
    }));
    if (secondDraw) {
      SetNextThrows({{3, 3, 3, 3}});
    }
  }

  ThrowRecorder recorder;
};

}  // namespace

TEST_F(ComputerTurnTest, NewGameWithAComputerInSeatZeroPlaysItBeforeReturning) {
  NewGameWith({C, H}, 11);
  EXPECT_GE(recorder.RollsAgainBy(0), 1);
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_FALSE(IsGameOver());
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_TRUE(g_WhitePegs.CanMove());

  // Between people NewGame throws and returns.
  ResetGameState();
  ThrowRecorder quiet;
  NewGame();
  EXPECT_TRUE(quiet.Throws().empty());
}

TEST_F(ComputerTurnTest, ComputersPlayOneAfterAnotherUntilAPersonIsToMove) {
  // A seed with which seat 0 stops: the stop does not end the call.
  const std::uint32_t seed = FindSeed([&](std::uint32_t candidate) {
    ThrowRecorder probe;
    NewGameWith({C, C, H}, candidate);
    return Committed(0) && probe.RollsAgainBy(1) > 0;
  });
  ThrowRecorder record;
  NewGameWith({C, C, H}, seed);
  EXPECT_TRUE(Committed(0));
  EXPECT_GT(record.RollsAgainBy(1), 0);
  EXPECT_EQ(g_nCurrentPlayer, 2);
  EXPECT_FALSE(IsGameOver());
}

TEST_F(ComputerTurnTest, WithComputersOnlyACallEndsAtTheFirstStop) {
  // A seed with which seat 0 busts, so the turn passes inside the call.
  const std::uint32_t seed = FindSeed([&](std::uint32_t candidate) {
    NewGameWith({C, C, C}, candidate);
    return !Committed(0);
  });
  ThrowRecorder record;
  NewGameWith({C, C, C}, seed);
  int stoppers = 0;
  int stopper = -1;
  for (int seat = 0; seat < 3; ++seat) {
    if (Committed(seat)) {
      ++stoppers;
      stopper = seat;
    }
  }
  ASSERT_EQ(stoppers, 1);
  EXPECT_NE(stopper, 0);
  EXPECT_GT(record.Busts(), 0);
  // The call returned on the next seat's playable first throw.
  ASSERT_FALSE(record.Throws().empty());
  EXPECT_EQ(record.Throws().back().kind, ThrowKind::kFirstThrow);
  EXPECT_TRUE(record.Throws().back().bPlayable);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);

  // The next call plays on to the next stop.
  const std::size_t before = record.Throws().size();
  PlayComputerTurns();
  EXPECT_GT(record.Throws().size(), before);
}

TEST_F(ComputerTurnTest, WithFewerThanThreeOpenColumnsAComputerAlwaysBusts) {
  // Nine columns claimed by the people, none of whom has four: 6 and 8 are open.
  Seats({C, H, H, H});
  g_nColumnsToWin = 4;
  Claims({{}, {2, 3, 4}, {5, 7, 9}, {10, 11, 12}});
  SetDice(3, 3, 4, 4);
  SeedRandom(5);
  PlayComputerTurns();
  EXPECT_FALSE(Committed(0));
  EXPECT_GE(recorder.Busts(), 1);
  EXPECT_EQ(g_nPlayerType[g_nCurrentPlayer], H);
  EXPECT_FALSE(IsGameOver());
}

TEST_F(ComputerTurnTest, WithThreePegsTheFirstDecisionRollsAgainOnRemainderOneOfThree) {
  ThreePegsOnTheTable();
  SeedDecisions(3);
  PlayComputerTurns();
  EXPECT_EQ(recorder.Count(ThrowKind::kRollAgain), 0);
  EXPECT_EQ(g_nProgress[0][6], 1);
  EXPECT_EQ(g_nProgress[0][7], 3);
  EXPECT_EQ(g_nProgress[0][8], 1);
  EXPECT_EQ(g_nCurrentPlayer, 1);
}

TEST_F(ComputerTurnTest, EachRollAgainDoublesTheDivisorUntilItPassesTheLargestDraw) {
  const struct {
    int divisor;
    std::function<bool(int)> secondDraw;
    int odds;
  } cases[] = {
      // Remainder 1 of 3, then 4 of 6: a divisor left at 3 would roll again.
      {3, [](int draw) { return draw % 6 == 4; }, 6},
      // Past 32767 only a draw of 1 rolls again, whatever the divisor; it grows no more.
      {24576, [](int draw) { return draw != 1; }, 49152},
      {49152, [](int draw) { return draw != 1; }, 49152},
  };
  for (const auto& [divisor, secondDraw, odds] : cases) {
    ResetGameState();
    ThrowRecorder record;
    ThreePegsOnTheTable();
    g_nRollAgainOdds = divisor;
    SeedDecisions(divisor, secondDraw);
    PlayComputerTurns();
    EXPECT_EQ(record.Count(ThrowKind::kRollAgain), 1) << divisor;
    EXPECT_EQ(record.Busts(), 0) << divisor;
    EXPECT_EQ(g_nRollAgainOdds, odds) << divisor;
    EXPECT_TRUE(Committed(0)) << divisor;
  }

  // Remainder 1 of 6: a second roll again.
  ResetGameState();
  ThrowRecorder record;
  ThreePegsOnTheTable();
  SeedDecisions(3, [](int draw) { return draw % 6 == 1; });
  PlayComputerTurns();
  EXPECT_GE(record.Count(ThrowKind::kRollAgain), 2);
  EXPECT_GE(g_nRollAgainOdds, 12);
}

TEST_F(ComputerTurnTest, AWinningStopEndsTheCallBeforeAnyFurtherMove) {
  for (const int nextKind : {C, H}) {
    ResetGameState();
    ThrowRecorder record;
    Seats({C, nextKind});
    Claim(0, {2, 12});
    // White pegs on the tops of 3 and 4, and in 5 one cell below its top.
    g_nProgress[0][3] = 4;
    g_nProgress[0][4] = 6;
    g_nProgress[0][5] = 7;
    for (const int column : {3, 4, 5}) {
      g_WhitePegs.Advance(column);
    }
    SetDice(1, 4, 2, 3);  // a double of 5: one pair takes it to the top
    SeedDecisions(3);
    PlayComputerTurns();
    EXPECT_EQ(g_nWinner, 1);
    EXPECT_EQ(g_nCurrentPlayer, 1);
    // Seat 1 got its first throw and nothing more.
    ASSERT_EQ(record.Throws().size(), 1u);
    EXPECT_EQ(record.Throws()[0].kind, ThrowKind::kFirstThrow);
    EXPECT_TRUE(DiceFreshlyThrown());

    // A later call draws nothing and changes nothing.
    SeedRandom(99);
    PlayComputerTurns();
    const int next = DrawRandom();
    EXPECT_EQ(next, DrawAfterSeed(99, 1));
    EXPECT_EQ(record.Throws().size(), 1u);
  }
}

TEST_F(ComputerTurnTest, ComputersThatCanNeverStopEndTheGameWithoutAWinner) {
  // Three computers, four columns to win, 11 and 12 left open.
  const auto board = [](int columnsToWin) {
    ResetGameState();
    Seats({C, C, C});
    g_nColumnsToWin = columnsToWin;
    Claims({{2, 3, 4}, {5, 6, 7}, {8, 9, 10}});
    SetDice(5, 6, 6, 6);
  };
  board(4);
  {
    ThrowRecorder record;
    PlayComputerTurns();
    EXPECT_EQ(g_bNoWinner, 1);
    EXPECT_EQ(g_nWinner, 0);
    EXPECT_TRUE(record.Throws().empty());
    PlayComputerTurns();
    EXPECT_TRUE(record.Throws().empty());
  }

  // A seat that already has the lowered number of columns still wins, at the
  // next pass of the turn.
  board(3);
  PlayComputerTurns();
  EXPECT_EQ(g_nWinner, 1);
  EXPECT_EQ(g_bNoWinner, 0);

  // With three columns open the computers go on.
  board(4);
  g_nProgress[2][10] = 0;
  {
    ThrowRecorder record;
    PlayComputerTurns();
    EXPECT_FALSE(record.Throws().empty());
    EXPECT_EQ(g_bNoWinner, 0);
  }

  // So do they when a person plays too: people can stop with fewer pegs.
  board(4);
  g_nPlayerType[2] = H;
  PlayComputerTurns();
  EXPECT_EQ(g_bNoWinner, 0);
  EXPECT_EQ(g_nCurrentPlayer, 2);
}

TEST_F(ComputerTurnTest, TheComputerShowsEachButtonItPresses) {
  BoardStandIn display;
  // At each frame, what each button shows: P pressed, L live, - as painted.
  std::string frames;
  display.OnFrame([&] {
    frames += display.Shown(BoardButton::kStop);
    frames += display.Shown(BoardButton::kRoll);
    frames += ' ';
  });

  // One roll again, then a stop.
  ThreePegsOnTheTable();
  SeedDecisions(3, [](int draw) { return draw % 6 != 1; });
  PlayComputerTurns();
  // ROLL pressed, held for one repaint, then both live before the dice roll.
  EXPECT_NE(frames.find("-P -- LL "), std::string::npos) << frames;
  // STOP pressed, then both live at once with no repaint between.
  EXPECT_NE(frames.find("P- LL "), std::string::npos) << frames;
  EXPECT_TRUE(Committed(0));
}

TEST_F(ComputerTurnTest, APersonsStopRunsTheComputersWholeTurnInsideTheRelease) {
  BoardStandIn display;
  BoardMouse mouse;
  SeedRandom(1);
  Seats({H, H, C});
  g_nCurrentPlayer = 1;
  SetDice(3, 4, 1, 1);
  mouse.PlayPair(0, 1);
  int computerFrames = 0;
  display.OnFrame([&] { computerFrames += g_nCurrentPlayer == 2 ? 1 : 0; });
  mouse.Click(kStopPoint);
  EXPECT_GT(computerFrames, 0);
  EXPECT_GT(recorder.RollsAgainBy(2), 0);
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_TRUE(g_WhitePegs.CanMove());

  // With seat 0 a computer too, its turn runs inside a press as well.
  g_nPlayerType[0] = C;
  const std::size_t before = recorder.Throws().size();
  mouse.Press(kBoardPoint);
  EXPECT_GT(recorder.Throws().size(), before);
  EXPECT_EQ(g_nCurrentPlayer, 1);
}
