// The strong computer on the game: clear choices, whole games within the
// rules, and the hint for a person.
#include "ai/strong_computer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "ai/computer_strength.h"
#include "ai/hint.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_setup.h"
#include "support/dice_control.h"
#include "support/game_invariants.h"

namespace {

struct Position {
  std::vector<std::array<int, 3>> progress;  // seat, column, committed cell
  std::vector<std::pair<int, int>> white;    // the seat to move's white pegs: column, cell
  Throw dice;                                // 0: a die already played
};

void SetUpPosition(const Position& position, int kind) {
  ResetGameState();
  g_nPlayerType[0] = kind;
  for (const auto& [seat, column, cell] : position.progress) {
    g_nProgress[seat][column] = cell;
  }
  for (const auto& [column, cell] : position.white) {
    ASSERT_TRUE(g_WhitePegs.Place(column));
    g_WhitePegs.m_nHeight[g_WhitePegs.m_nCount - 1] = cell;
  }
  SetDice(position.dice[0], position.dice[1], position.dice[2], position.dice[3]);
}

struct ChoiceCase {
  const char* name;
  Position position;
  std::vector<int> played;  // the sums of the best play, in order; empty: asks roll or stop
  bool rolls = false;
};

void PrintTo(const ChoiceCase& choice, std::ostream* os) {
  *os << choice.name;
}

const ChoiceCase kChoices[] = {
    // 3 + 4 and 2 + 5 take the 7 from cell 11 to its top: the third claim,
    // which wins.
    {"ADoubleThatClaims", {{{0, 7, 11}, {0, 2, 3}, {0, 12, 3}}, {}, {3, 4, 2, 5}}, {7, 7}},
    // Three white pegs, 2 on its top cell: only 3 and 12 can still move, a
    // throw busts more often than not, and stopping claims column 2.
    {"StopsWithAClaimAtStake", {{{0, 2, 2}}, {{2, 3}, {3, 1}, {12, 1}}, {0, 0, 0, 0}}, {}, false},
    // One white peg one cell up: a slot is free and almost no throw busts.
    {"RollsWithASlotFree", {{}, {{7, 1}}, {0, 0, 0, 0}}, {}, true},
};

class StrongChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(StrongChoiceTest, MakesTheClearChoice) {
  const ChoiceCase& choice = GetParam();
  SetUpPosition(choice.position, kComputerSeat);
  if (choice.played.empty()) {
    if (!choice.rolls) {
      EXPECT_GT(PlannerForSeatToMove().BustChance(PegStateOf(g_WhitePegs)), 0.5);
    }
    EXPECT_EQ(StrongWouldRoll(), choice.rolls);
    return;
  }
  const ThrowPlay play = BestPlay();
  EXPECT_EQ(std::vector<int>(play.sum, play.sum + play.nPairs), choice.played);
}

INSTANTIATE_TEST_SUITE_P(Positions, StrongChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

// Whole games with strong seats among classic ones: the rules' invariants
// hold after every call, and every game ends.
TEST(StrongComputerGames, StayWithinTheRulesAndEnd) {
  ResetGameState();
  constexpr int kGames = 24;
  constexpr int kMostCalls = 4 * 70;
  for (int game = 0; game < kGames; ++game) {
    g_nPlayers = 2 + game % 3;
    g_nColumnsToWin = 2 + game / 3 % 3;
    for (int seat = 0; seat < 4; ++seat) {
      g_nPlayerType[seat] = kComputerSeat;
      g_strength[seat] = (game >> seat & 1) != 0 || seat == game % 4 ? ComputerStrength::kStrong
                                                                     : ComputerStrength::kClassic;
    }
    SeedRandom(static_cast<std::uint32_t>(1000 + game));
    NewGame();
    int calls = 0;
    while (!IsGameOver() && calls < kMostCalls) {
      PlayComputerTurns();
      ++calls;
      ASSERT_EQ(GameStateFault(), "") << "game " << game << ", call " << calls;
    }
    ASSERT_TRUE(IsGameOver()) << "game " << game;
    if (g_nWinner > 0) {
      EXPECT_GE(ColumnsClaimedBy(g_nWinner - 1), g_nColumnsToWin) << "game " << game;
    }
  }
  SetComputerStrength(ComputerStrength::kClassic);
}

// The planner is kept while the board stays, and plans afresh once any part
// of the board it reads has changed, the columns to win included, on the empty
// board (whose plan is kept apart) as on any other. With three white pegs on
// the empty board only fewer columns to win change the value.
TEST(StrongComputerPlans, AChangedBoardIsPlannedAfresh) {
  const Position kStart = {{{0, 4, 4}}, {{2, 2}, {7, 12}, {12, 2}}, {0, 0, 0, 0}};
  const Position kEmpty = {{}, {{6, 10}, {7, 12}, {8, 10}}, {0, 0, 0, 0}};
  const struct {
    const char* name;
    const Position& position;
    std::function<void()> change;
  } kChanges[] = {
      {"a committed cell", kStart, [] { g_nProgress[0][4] = 2; }},
      {"a claim by another seat", kStart, [] { g_nProgress[1][4] = g_nColumnHeight[4]; }},
      {"four columns to win", kStart, [] { g_nColumnsToWin = 4; }},
      {"two columns to win, empty board", kEmpty, [] { g_nColumnsToWin = 2; }},
  };
  for (const auto& c : kChanges) {
    SetUpPosition(c.position, kComputerSeat);
    const PegState pegs = PegStateOf(g_WhitePegs);
    const double before = PlannerForSeatToMove().RollValue(pegs);
    c.change();
    const double after = PlannerForSeatToMove().RollValue(pegs);
    CTurnPlanner fresh;
    fresh.Prepare(PlannerBoardOfSeatToMove());
    EXPECT_NE(after, before) << c.name;
    EXPECT_DOUBLE_EQ(after, fresh.RollValue(pegs)) << c.name;
  }
  ResetGameState();
}

// The hint marks the pair as the person's selection and changes nothing else.
TEST(HintTest, MarksThePairThenSaysRollOrStop) {
  SetUpPosition({{{0, 7, 11}, {0, 2, 3}, {0, 12, 3}}, {}, {3, 4, 2, 5}}, kHumanSeat);
  g_Dice[2].m_bSelected = 1;  // the person's own choice, replaced by the hint's
  Hint hint = HintForSeatToMove();
  ASSERT_EQ(hint.kind, Hint::Kind::kPair);
  MarkHintedPair(hint);
  std::vector<int> selected;
  for (int die = 0; die < 4; ++die) {
    if (g_Dice[die].m_bSelected == 1) {
      selected.push_back(die);
    }
  }
  EXPECT_EQ(selected, (std::vector<int>{0, 1}));
  EXPECT_EQ(Faces(), (Throw{3, 4, 2, 5}));
  EXPECT_EQ(g_WhitePegs.m_nCount, 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_nProgress[0][7], 11);

  // The person plays 3 + 4: the 2 + 5 left takes the 7 to its top and wins.
  ASSERT_TRUE(g_WhitePegs.Advance(7));
  SetDice(0, 0, 2, 5);
  g_bPairPlayed = 1;
  hint = HintForSeatToMove();
  ASSERT_EQ(hint.kind, Hint::Kind::kPair);
  EXPECT_EQ(hint.die[0], 2);
  EXPECT_EQ(hint.die[1], 3);

  // Both pairs played, the 7 on its top: stopping wins. With 2, 7 and 12
  // closed a throw busts when every pairing sums to those alone: 1111, 6666,
  // the 6 orders of 1166 and the 4 each of 1116 and 1666, 16 of 1296.
  ASSERT_TRUE(g_WhitePegs.Advance(7));
  SetDice(0, 0, 0, 0);
  hint = HintForSeatToMove();
  EXPECT_EQ(hint.kind, Hint::Kind::kStop);
  EXPECT_NEAR(hint.bustChance, 16.0 / 1296, 1e-12);

  // Only the 7 played, with no win at stake: a roll, with a slot free; only
  // 6666 (12 and 12, claimed) busts.
  g_nProgress[0][2] = 0;
  g_WhitePegs.m_nHeight[0] = 12;
  hint = HintForSeatToMove();
  EXPECT_EQ(hint.kind, Hint::Kind::kRoll);
  EXPECT_NEAR(hint.bustChance, 1.0 / 1296, 1e-12);

  // No advice for a computer's throw.
  g_nPlayerType[0] = kComputerSeat;
  EXPECT_EQ(HintForSeatToMove().kind, Hint::Kind::kNone);
}

// After a pair, the pair left is no hint when standing is worth more: a third
// peg in column 4 would leave no slot free for 2 and 3 to roll on with.
TEST(HintTest, APairWorthLessThanStandingIsNoHint) {
  SetUpPosition({{}, {{2, 1}, {3, 1}}, {0, 0, 1, 3}}, kHumanSeat);
  g_bPairPlayed = 1;
  ASSERT_EQ(WaysToPlay().size(), 1U);
  EXPECT_EQ(HintForSeatToMove().kind, Hint::Kind::kRoll);
  ResetGameState();
}

}  // namespace
