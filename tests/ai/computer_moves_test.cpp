// The computer's choice of pairs for a throw, and how it shows that choice.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"

namespace {

struct MoveCase {
  const char* name;
  std::vector<int> held;  // white pegs placed before the throw; none: the turn's first move
  Throw dice;
  const char* pegs;    // column:cell of each white peg after the move
  const char* frames;  // the dice at each repaint: B selected (black), - used (blank), o face
  int pairPlayed;      // one pair shown leaves the buttons live; both pairs leave them blank
  std::vector<std::array<int, 3>> progress = {};  // seat, column, committed cell
};

void PrintTo(const MoveCase& move, std::ostream* os) {
  *os << move.name;
}

const MoveCase kMoves[] = {
    // First moves: a double first, both pairs shown one after the other.
    {"FirstDoubleA", {}, {3, 4, 2, 5}, "7:6", "Booo BBoo --oo --Bo --BB ----", 0, {{0, 7, 4}}},
    // Pairing C, 5 and 5, is shown 0, 3 then 2, 1.
    {"FirstDoubleC", {}, {1, 2, 3, 4}, "5:2", "Booo BooB -oo- -oB- -BB- ----", 0},
    // Without a double, the column nearest the middle, with one pair.
    {"FirstNearestTheMiddle", {}, {1, 2, 4, 6}, "7:1", "Booo BooB -oo-", 1},
    // No 7: of 6 and 8 the lower comes first; the pair 1 + 2 is shown 2, 1.
    {"FirstLowerOfSixAndEight", {}, {2, 3, 3, 6}, "6:1", "ooBo oBBo o--o", 1},
    // The first pair of the double reaches the top: the second is not played.
    {"DoubleToTheTop", {}, {6, 6, 6, 6}, "12:3", "Booo BBoo --oo", 1, {{0, 12, 2}}},
    // The double of 7 is claimed by seat 1; sums 7, 5, 8, 6, 9, 7.
    {"ClaimedColumnPassedOver", {}, {3, 4, 2, 5}, "6:1", "ooBo oBBo o--o", 1, {{1, 7, 13}}},
    // Later moves: a double on a held column before anything else.
    {"DoubleOnAHeldColumn", {5, 7}, {3, 4, 2, 5}, "5:1 7:3", "Booo BBoo --oo --Bo --BB ----", 0},
    // Held columns before a double elsewhere: 2 + 4 = 6, 3 + 5 = 8, pairing C a double of 7.
    {"HeldBeforeDouble", {6, 8}, {2, 4, 3, 5}, "6:2 8:2", "Booo BBoo --oo --Bo --BB ----", 1},
    // The 4 is played; the remaining 3 + 6 names no held column and opens none.
    {"SecondPairOpensNothing", {4, 3}, {1, 3, 3, 6}, "4:2 3:1", "Booo BBoo --oo", 1},
    {"SecondPairMovesToo", {4, 9}, {1, 3, 3, 6}, "4:2 9:2", "Booo BBoo --oo --Bo --BB ----", 1},
    // The 7 stands on cell 13: 3 + 2 moves the 5, and 4 + 5 opens no new column.
    {"PegOnTheTopStays", {7, 5}, {3, 4, 2, 5}, "7:13 5:2", "Booo BoBo -o-o", 1, {{0, 7, 12}}},
    // With three pegs the double of 7 is never played; 3 + 2 = 5 is.
    {"ThreePegsOnly", {4, 5, 6}, {3, 4, 2, 5}, "4:1 5:2 6:1", "Booo BoBo -o-o", 1},
    // No held column in reach: a new one is opened, with the double.
    {"NewColumnWhenNoneHeldFits", {2}, {3, 4, 2, 5}, "2:1 7:2", "Booo BBoo --oo --Bo --BB ----", 0},
    // Die 0 was used by an earlier pair: it and the 5 are no pair of 5.
    {"UsedDiceFormNoPair", {5}, {0, 5, 4, 4}, "5:1 8:1", "-oBo -oBB -o--", 1},
};

std::string DiceLook() {
  std::string look;
  for (const CDie& die : g_Dice) {
    look += die.m_bSelected == 1 ? 'B' : die.m_nValue == 0 ? '-' : 'o';
  }
  return look;
}

class ComputerMoves : public testing::TestWithParam<MoveCase> {
 protected:
  void SetUp() override { ResetGameState(); }
  BoardStandIn display;
};

TEST_P(ComputerMoves, PlaysAndShowsThePairs) {
  const MoveCase& move = GetParam();
  for (const auto& [seat, column, cell] : move.progress) {
    g_nProgress[seat][column] = cell;
  }
  for (const int column : move.held) {
    ASSERT_TRUE(g_WhitePegs.Advance(column));
  }
  SetDice(move.dice[0], move.dice[1], move.dice[2], move.dice[3]);
  g_nRollAgainOdds = 96;
  std::string frames;
  display.OnFrame([&frames] { frames += (frames.empty() ? "" : " ") + DiceLook(); });

  CComputerPlayer player;
  if (move.held.empty()) {
    player.ChooseFirstMove();
  } else {
    player.ChooseMove();
  }
  std::string pegs;
  for (int slot = 0; slot < g_WhitePegs.Get(0, kGetCount); ++slot) {
    pegs += (slot == 0 ? "" : " ") + std::to_string(g_WhitePegs.Get(slot, kGetColumn)) + ":" +
            std::to_string(g_WhitePegs.Get(slot, kGetHeight));
  }
  EXPECT_EQ(pegs, move.pegs);
  EXPECT_EQ(frames, move.frames);
  EXPECT_EQ(g_bPairPlayed, move.pairPlayed);
  // The first move of a turn starts the roll-again divisor afresh; later moves keep it.
  EXPECT_EQ(g_nRollAgainOdds, move.held.empty() ? 3 : 96);
}

INSTANTIATE_TEST_SUITE_P(FirstAndLaterMoves, ComputerMoves, testing::ValuesIn(kMoves),
                         [](const testing::TestParamInfo<MoveCase>& info) {
                           return info.param.name;
                         });

}  // namespace
