#include "game/dice.h"
#include "game/game_state.h"
#include "game/play_observer.h"
#include "game/turn_controller.h"
#include "game/white_pegs.h"

void NextPlayer() {
  for (;;) {
    ++g_nCurrentPlayer;
    if (g_nCurrentPlayer > g_nPlayers - 1) {
      g_nCurrentPlayer = 0;
    }
    for (CDie& die : g_Dice) {
      die.Roll();
    }
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
    if (IsColumnOpen(column)) {
      ++count;
    }
  }
  return count;
}

void EndGameWithoutWinner() {
  g_bNoWinner = 1;
  RepaintNow();
}

bool ThrowAgain() {
  for (CDie& die : g_Dice) {
    die.Roll();
  }
  g_bPairPlayed = 0;
  const bool playable = g_WhitePegs.CanMove();
  ReportThrow(ThrowKind::kRollAgain, playable);
  if (!playable) {
    g_WhitePegs.Clear();
    NextPlayer();
  }
  return playable;
}

void StopAndPassTurn() {
  g_WhitePegs.Commit();
  g_WhitePegs.Clear();
  NextPlayer();
}
