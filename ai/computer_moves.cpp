// The computer's choice of pairs for a throw, and how it shows that choice.
//
// Its preferences: a double (two pairs with equal sums) first; then the
// columns of its white pegs, in the order they were placed; then a new
// column, nearest the middle first. The second pair of a throw is played only
// when it moves a peg too; it never opens a new column.
#include <algorithm>

#include "ai/computer_pace.h"
#include "ai/computer_player.h"
#include "ai/move_display.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

const int ColumnPreference[11] = {7, 6, 8, 5, 9, 4, 10, 3, 11, 2, 12};

namespace {

// The sum of a pair that holds a used die: it names no column.
constexpr int kNoSum = -1;

// The dice of each pair sum, in the order s01, s02, s03, s12, s13, s23.
constexpr int kPairDice[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
// The order in which a single pair's dice turn black.
constexpr int kPairShown[6][2] = {{0, 1}, {0, 2}, {0, 3}, {2, 1}, {3, 1}, {2, 3}};
// The ways to split the dice into two pairs, as indices of the sums: A, B, C.
constexpr int kPairings[3][2] = {{0, 5}, {1, 4}, {2, 3}};
// The order in which both pairs of a pairing turn black, first pair first.
constexpr int kPairingShown[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 2, 1}};

// The six sums, the pairs with a used die having none, and the set of the
// columns they name: bit c for column c.
unsigned ReadSums(int sums[6]) {
  unsigned columns = 0;
  for (int pair = 0; pair < 6; ++pair) {
    const int first = g_Dice[kPairDice[pair][0]].m_nValue;
    const int second = g_Dice[kPairDice[pair][1]].m_nValue;
    if (first == 0 || second == 0) {
      sums[pair] = kNoSum;
    } else {
      sums[pair] = first + second;
      columns |= 1U << sums[pair];
    }
  }
  return columns;
}

bool HasSum(unsigned sumColumns, int column) {
  return (sumColumns >> column & 1U) != 0;
}

// The sum of a pairing that is a double, or kNoSum.
int DoubleSum(const int sums[6], int pairing) {
  const int first = sums[kPairings[pairing][0]];
  return first == sums[kPairings[pairing][1]] ? first : kNoSum;
}

bool PegBelowTop(int slot) {
  const int column = g_WhitePegs.Get(slot, kGetColumn);
  return g_WhitePegs.Get(slot, kGetHeight) < g_nColumnHeight[column];
}

void ShowDie(int die) {
  g_Dice[die].m_bSelected = 1;
  g_Dice[die].m_bRedraw = 1;
  RepaintNow();
}

// The pair's dice shown black, then played: they go blank as the peg moves.
void ShowPair(int first, int second) {
  ShowDie(first);
  ShowDie(second);
  HoldStep(PaceStep::kChosenDice);
  for (const int die : {first, second}) {
    g_Dice[die].m_nValue = 0;
    g_Dice[die].m_bSelected = 0;
    g_Dice[die].m_bRedraw = 1;
  }
}

}  // namespace

void CComputerPlayer::ChooseFirstMove() {
  g_nRollAgainOdds = 3;
  int sums[6];
  const unsigned sumColumns = ReadSums(sums);
  if (!PlayDouble(sums)) {
    PlayNewColumn(sums, sumColumns);
  }
}

void CComputerPlayer::ChooseMove() {
  int sums[6];
  const unsigned sumColumns = ReadSums(sums);

  for (int pairing = 0; pairing < 3; ++pairing) {
    const int sum = DoubleSum(sums, pairing);
    if (sum == kNoSum) {
      continue;
    }
    for (int slot = 0; slot < 3; ++slot) {
      if (g_WhitePegs.Get(slot, kGetColumn) == sum && PegBelowTop(slot) &&
          g_WhitePegs.Advance(sum)) {
        ShowMove(sum, sums, g_WhitePegs.Advance(sum) ? 2 : 1);
        return;
      }
    }
  }

  // Held columns, one pair at a time; after a move only the two dice left
  // still form a pair.
  bool moved = false;
  int current[6];
  std::copy(sums, sums + 6, current);
  unsigned currentColumns = sumColumns;
  for (int slot = 0; slot < 3; ++slot) {
    const int column = g_WhitePegs.Get(slot, kGetColumn);
    if (HasSum(currentColumns, column) && PegBelowTop(slot) && g_WhitePegs.Advance(column)) {
      ShowMove(column, current, 1);
      moved = true;
      currentColumns = ReadSums(current);
    }
  }
  if (moved) {
    return;
  }

  if (!PlayDouble(sums)) {
    PlayNewColumn(sums, sumColumns);
  }
}

void CComputerPlayer::ShowMove(int column, int s01, int s02, int s03, int s12, int s13, int s23,
                               int nPairs) {
  const int sums[6] = {s01, s02, s03, s12, s13, s23};
  ShowMove(column, sums, nPairs);
}

bool CComputerPlayer::PlayDouble(const int sums[6]) {
  for (int pairing = 0; pairing < 3; ++pairing) {
    const int sum = DoubleSum(sums, pairing);
    if (sum != kNoSum && g_WhitePegs.Advance(sum)) {
      // The first pair may have taken the peg to the top cell; then the
      // second stays unplayed.
      ShowMove(sum, sums, g_WhitePegs.Advance(sum) ? 2 : 1);
      return true;
    }
  }
  return false;
}

bool CComputerPlayer::PlayNewColumn(const int sums[6], unsigned sumColumns) {
  for (const int column : ColumnPreference) {
    if (HasSum(sumColumns, column) && g_WhitePegs.Advance(column)) {
      ShowMove(column, sums, 1);
      return true;
    }
  }
  return false;
}

void CComputerPlayer::ShowMove(int column, const int sums[6], int nPairs) {
  if (nPairs == 2) {
    for (int pairing = 0; pairing < 3; ++pairing) {
      if (sums[kPairings[pairing][0]] == column) {
        const int* dice = kPairingShown[pairing];
        for (int pair = 0; pair < 2; ++pair) {
          ShowPair(dice[2 * pair], dice[2 * pair + 1]);
          RepaintNow();
          HoldStep(PaceStep::kPlayedPair);
        }
        return;
      }
    }
    return;
  }
  for (int pair = 0; pair < 6; ++pair) {
    if (sums[pair] == column) {
      ShowPlayedPair(kPairShown[pair][0], kPairShown[pair][1]);
      return;
    }
  }
}

void ShowPlayedPair(int first, int second) {
  ShowPair(first, second);
  g_bPairPlayed = 1;
  RepaintNow();
  HoldStep(PaceStep::kPlayedPair);
}
