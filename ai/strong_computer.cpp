#include "ai/strong_computer.h"

#include <algorithm>

#include "ai/move_display.h"
#include "game/dice.h"
#include "game/game_state.h"

namespace {

// The dice of each pairing's two pairs.
constexpr int kPairings[3][2][2] = {{{0, 1}, {2, 3}}, {{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}};

bool SamePegs(const PegState& a, const PegState& b) {
  if (a.nCount != b.nCount) {
    return false;
  }
  for (int i = 0; i < a.nCount; ++i) {
    if (a.column[i] != b.column[i] || a.height[i] != b.height[i]) {
      return false;
    }
  }
  return true;
}

int SumOf(const int die[2]) {
  return g_Dice[die[0]].m_nValue + g_Dice[die[1]].m_nValue;
}

// Tries the pairs in order on a copy of the white pegs; a pair that Advance
// refuses makes the play no play.
bool TryPlay(ThrowPlay& play) {
  CWhitePegs pegs = g_WhitePegs;
  for (int pair = 0; pair < play.nPairs; ++pair) {
    play.sum[pair] = SumOf(play.die[pair]);
    if (!pegs.Advance(play.sum[pair])) {
      return false;
    }
  }
  play.after = PegStateOf(pegs);
  return true;
}

}  // namespace

PlannerBoard PlannerBoardOfSeatToMove() {
  PlannerBoard board;
  for (int column = 2; column <= 12; ++column) {
    board.nCommitted[column] = g_nProgress[g_nCurrentPlayer][column];
    if (IsColumnOpen(column)) {
      board.openColumns |= 1U << column;
    }
    for (int seat = 0; seat < 4; ++seat) {
      if (seat != g_nCurrentPlayer && HasClaimed(seat, column)) {
        board.claimedByOthers |= 1U << column;
      }
    }
  }
  board.nColumnsToWin = g_nColumnsToWin;
  return board;
}

PegState PegStateOf(const CWhitePegs& pegs) {
  PegState state;
  state.nCount = pegs.Get(0, kGetCount);
  for (int i = 0; i < state.nCount; ++i) {
    int at = i;
    for (; at > 0 && state.column[at - 1] > pegs.Get(i, kGetColumn); --at) {
      state.column[at] = state.column[at - 1];
      state.height[at] = state.height[at - 1];
    }
    state.column[at] = pegs.Get(i, kGetColumn);
    state.height[at] = pegs.Get(i, kGetHeight);
  }
  return state;
}

std::vector<ThrowPlay> WaysToPlay() {
  std::vector<ThrowPlay> ways;
  const auto add = [&ways](ThrowPlay play) {
    if (!TryPlay(play)) {
      return;
    }
    for (const ThrowPlay& known : ways) {
      if (SamePegs(known.after, play.after)) {
        return;
      }
    }
    ways.push_back(play);
  };
  int unused[4];
  int count = 0;
  for (int die = 0; die < 4; ++die) {
    if (g_Dice[die].m_nValue != 0) {
      unused[count++] = die;
    }
  }
  if (count == 2) {
    add({1, {{unused[0], unused[1]}, {0, 0}}, {}, {}});
    return ways;
  }
  if (count != 4) {
    return ways;
  }
  for (const auto& pairing : kPairings) {
    for (int first = 0; first < 2; ++first) {
      const int* a = pairing[first];
      const int* b = pairing[1 - first];
      add({1, {{a[0], a[1]}, {0, 0}}, {}, {}});
      add({2, {{a[0], a[1]}, {b[0], b[1]}}, {}, {}});
    }
  }
  return ways;
}

namespace {

CTurnPlanner& ThePlanner() {
  static CTurnPlanner planner;
  return planner;
}

}  // namespace

CTurnPlanner& PlannerForSeatToMove() {
  CTurnPlanner& planner = ThePlanner();
  planner.Prepare(PlannerBoardOfSeatToMove());
  return planner;
}

void ForgetPlans() {
  ThePlanner().Forget();
}

ThrowPlay BestPlay(double* pValue) {
  CTurnPlanner& planner = PlannerForSeatToMove();
  ThrowPlay best;
  double bestValue = -1;
  for (const ThrowPlay& play : WaysToPlay()) {
    const double value = planner.Value(play.after);
    if (value > bestValue) {
      best = play;
      bestValue = value;
    }
  }
  if (pValue != nullptr) {
    *pValue = bestValue;
  }
  return best;
}

bool StrongWouldRoll() {
  CTurnPlanner& planner = PlannerForSeatToMove();
  const PegState now = PegStateOf(g_WhitePegs);
  return planner.RollValue(now) > planner.StopValue(now);
}

void PlayStrongMove() {
  const ThrowPlay play = BestPlay();
  for (int pair = 0; pair < play.nPairs; ++pair) {
    g_WhitePegs.Advance(play.sum[pair]);
    ShowPlayedPair(play.die[pair][0], play.die[pair][1]);
  }
}
