// The computer's turn: the driver, the stop-or-roll decision and the two
// buttons it presses.
#include "ai/computer_player.h"
#include "game/board_display.h"
#include "game/computer_hand_over.h"
#include "game/game_state.h"
#include "game/turn_controller.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"

int g_nRollAgainOdds = 3;

namespace {

bool AllSeatsComputers() {
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (g_nPlayerType[seat] != kComputerSeat) {
      return false;
    }
  }
  return true;
}

// A computer stops only with three white pegs, which needs three open
// columns. With fewer, and nobody but computers at the board, no seat will
// ever stop again, so no claim and no win can come any more.
bool NoComputerCanEverStop() {
  return AllSeatsComputers() && OpenColumnCount() < 3 && SeatWithWinningClaims() < 0;
}

void DoubleRollAgainOdds() {
  if (g_nRollAgainOdds <= kRandomMax) {
    g_nRollAgainOdds *= 2;
  }
}

}  // namespace

void PlayComputerTurns() {
  CComputerPlayer player;
  for (;;) {
    if (IsGameOver()) {
      return;
    }
    if (NoComputerCanEverStop()) {
      EndGameWithoutWinner();
      return;
    }
    if (g_WhitePegs.Get(0, kGetCount) == 0) {
      player.ChooseFirstMove();
    } else {
      player.ChooseMove();
    }
    if (g_WhitePegs.Get(0, kGetCount) == 3) {
      if (DrawRandom() % g_nRollAgainOdds == 1) {
        player.RollAgain();
        DoubleRollAgainOdds();
      } else {
        player.StopTurn();
      }
    } else {
      player.RollAgain();
    }
    if (g_nPlayerType[g_nCurrentPlayer] == kHumanSeat) {
      return;
    }
    if (player.m_bStopped == 1 && AllSeatsComputers()) {
      return;
    }
  }
}

void InstallComputerPlayer() {
  class ComputerToMove : public CComputerToMove {
    void PlayComputerTurns() override { ::PlayComputerTurns(); }
  };
  static ComputerToMove computer;
  SetComputerToMove(&computer);
}

void CComputerPlayer::RollAgain() {
  ShowButtonPressed(BoardButton::kRoll);
  // The pressed picture stays in view for the time of one repaint.
  RepaintNow();
  ShowBothButtonsLive();
  ThrowAgain();
}

void CComputerPlayer::StopTurn() {
  ShowButtonPressed(BoardButton::kStop);
  ShowBothButtonsLive();
  m_bStopped = 1;
  StopAndPassTurn();
}
