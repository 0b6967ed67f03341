#include "ai/hint.h"

#include "ai/strong_computer.h"
#include "game/dice.h"
#include "game/game_state.h"

Hint HintForSeatToMove() {
  Hint hint;
  if (IsGameOver() || g_nPlayerType[g_nCurrentPlayer] != kHumanSeat) {
    return hint;
  }
  CTurnPlanner& planner = PlannerForSeatToMove();
  const PegState now = PegStateOf(g_WhitePegs);
  // Before a pair is played the throw must be played; after, the pair left
  // is played only when it is worth more than standing where the pegs are.
  const bool mustPlay = g_bPairPlayed != 1;
  if (!WaysToPlay().empty()) {
    double value = 0;
    const ThrowPlay best = BestPlay(&value);
    if (mustPlay || value > planner.Value(now)) {
      hint.kind = Hint::Kind::kPair;
      hint.die[0] = best.die[0][0];
      hint.die[1] = best.die[0][1];
      return hint;
    }
  }
  if (mustPlay) {
    return hint;
  }
  hint.kind =
      planner.RollValue(now) > planner.StopValue(now) ? Hint::Kind::kRoll : Hint::Kind::kStop;
  hint.bustChance = planner.BustChance(now);
  return hint;
}

void MarkHintedPair(const Hint& hint) {
  if (hint.kind != Hint::Kind::kPair) {
    return;
  }
  for (int die = 0; die < 4; ++die) {
    const std::uint8_t selected = die == hint.die[0] || die == hint.die[1] ? 1 : 0;
    if (g_Dice[die].m_bSelected != selected) {
      g_Dice[die].m_bSelected = selected;
      g_Dice[die].m_bRedraw = 1;
    }
  }
  RepaintNow();
}
