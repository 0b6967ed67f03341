#include "game/turn_passing.h"

#include "game/dice.h"
#include "game/game_state.h"
#include "game/play_events.h"
#include "game/play_observer.h"
#include "game/white_pegs.h"

void NextPlayer() {
  for (;;) {
    ++g_nCurrentPlayer;
    if (g_nCurrentPlayer > g_nPlayers - 1) {
      g_nCurrentPlayer = 0;
    }
    ThrowDice();
    g_bPairPlayed = 0;
    RepaintNow();
    g_WhitePegs.Clear();
    CheckWinner();
    g_bStopPressed = 0;
    const bool playable = g_WhitePegs.CanMove();
    ReportThrow(ThrowKind::kFirstThrow, playable);
    if (playable) {
      return;
    }
    // With every column claimed no seat can ever move again: passing on
    // would never end.
    if (OpenColumnCount() == 0) {
      if (g_nWinner == 0) {
        EndGameWithoutWinner();
      }
      return;
    }
    if (!IsGameOver()) {
      ReportPlayEvent({PlayEventKind::kNoPlay, g_nCurrentPlayer});
    }
    g_WhitePegs.Clear();
  }
}

void CheckWinner() {
  if (g_nWinner > 0) {
    return;
  }
  const int seat = SeatWithWinningClaims();
  if (seat >= 0) {
    g_nWinner = seat + 1;
    RepaintNow();
    ReportPlayEvent({PlayEventKind::kWin, seat});
  }
}

int SeatWithWinningClaims() {
  for (int seat = 0; seat < 4; ++seat) {
    if (ClaimedCount(seat) >= g_nColumnsToWin) {
      return seat;
    }
  }
  return -1;
}

int OpenColumnCount() {
  int count = 0;
  for (int column = 2; column <= 12; ++column) {
    count += IsColumnOpen(column) ? 1 : 0;
  }
  return count;
}

void EndGameWithoutWinner() {
  g_bNoWinner = 1;
  RepaintNow();
  ReportPlayEvent({PlayEventKind::kNoWinner, -1});
}

bool ThrowAgain() {
  ThrowDice();
  g_bPairPlayed = 0;
  const bool playable = g_WhitePegs.CanMove();
  ReportThrow(ThrowKind::kRollAgain, playable);
  if (!playable) {
    ReportPlayEvent({PlayEventKind::kBust, g_nCurrentPlayer});
    g_WhitePegs.Clear();
    NextPlayer();
  }
  return playable;
}

namespace {

// Bit c set for each column c the seat has claimed.
unsigned ClaimedColumns(int seat) {
  unsigned columns = 0;
  for (int column = 2; column <= 12; ++column) {
    if (HasClaimed(seat, column)) {
      columns |= 1U << column;
    }
  }
  return columns;
}

}  // namespace

void StopAndPassTurn() {
  const int seat = g_nCurrentPlayer;
  // Only a listener wants the claims; unseen play skips the count.
  const unsigned before = HasPlayListener() ? ClaimedColumns(seat) : 0;
  g_WhitePegs.Commit();
  if (HasPlayListener()) {
    unsigned climbed = 0;
    for (int slot = 0; slot < g_WhitePegs.m_nCount; ++slot) {
      climbed |= 1U << g_WhitePegs.Get(slot, kGetColumn);
    }
    ReportPlayEvent({PlayEventKind::kStop, seat, climbed});
    if (const unsigned claimed = ClaimedColumns(seat) & ~before; claimed != 0) {
      ReportPlayEvent({PlayEventKind::kClaim, seat, claimed});
    }
  }
  g_WhitePegs.Clear();
  NextPlayer();
}
