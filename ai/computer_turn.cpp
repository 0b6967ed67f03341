// The computer's turn: the driver, the stop-or-roll decision and the two
// buttons it presses.
#include "ai/computer_pace.h"
#include "ai/computer_player.h"
#include "ai/computer_strength.h"
#include "ai/strong_computer.h"
#include "game/board_display.h"
#include "game/computer_hand_over.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/turn_passing.h"
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

bool AnySeatStrong() {
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (g_strength[seat] == ComputerStrength::kStrong) {
      return true;
    }
  }
  return false;
}

bool IsStrong(int seat) {
  return g_strength[seat] == ComputerStrength::kStrong;
}

// A classic computer stops only with three white pegs, which needs three open
// columns. With fewer, and nobody but classic computers at the board, no seat
// will ever stop again, so no claim and no win can come any more. A strong
// computer stops with any number of pegs.
bool NoComputerCanEverStop() {
  return AllSeatsComputers() && !AnySeatStrong() && OpenColumnCount() < 3 &&
         SeatWithWinningClaims() < 0;
}

// The move of the throw on the table has been made: its played dice are
// blank. A fresh throw shows four faces.
bool MoveMadeOnThisThrow() {
  for (const CDie& die : g_Dice) {
    if (die.m_nValue == 0) {
      return true;
    }
  }
  return false;
}

void DoubleRollAgainOdds() {
  if (g_nRollAgainOdds <= kRandomMax) {
    g_nRollAgainOdds *= 2;
  }
}

}  // namespace

void PlayComputerTurns() {
  CComputerPlayer player;
  // Only a stop claims columns, and the seats do not change during the call:
  // the answer holds until a seat stops.
  bool stuck = NoComputerCanEverStop();
  for (;;) {
    if (IsGameOver()) {
      return;
    }
    if (stuck) {
      EndGameWithoutWinner();
      return;
    }
    // A play that yielded after its move goes on at the decision.
    if (!MoveMadeOnThisThrow()) {
      HoldStep(PaceStep::kSettledThrow);
      if (ComputerAskedToYield()) {
        return;
      }
      if (IsStrong(g_nCurrentPlayer)) {
        PlayStrongMove();
      } else if (g_WhitePegs.Get(0, kGetCount) == 0) {
        player.ChooseFirstMove();
      } else {
        player.ChooseMove();
      }
      if (ComputerAskedToYield()) {
        return;
      }
    }
    if (IsStrong(g_nCurrentPlayer)) {
      if (StrongWouldRoll()) {
        player.RollAgain();
      } else {
        player.StopTurn();
      }
    } else if (g_WhitePegs.Get(0, kGetCount) == 3) {
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
    if (player.m_bStopped == 1) {
      stuck = NoComputerCanEverStop();
    }
  }
}

void InstallComputerPlayer() {
  class ComputerToMove : public CComputerToMove {
    void TakeTheMove() override { PlayComputerTurns(); }
  };
  static ComputerToMove computer;
  SetComputerToMove(&computer);
}

void CComputerPlayer::RollAgain() {
  ShowButtonPressed(BoardButton::kRoll);
  HoldStep(PaceStep::kButtonPressed);
  // The pressed picture stays in view until this repaint.
  RepaintNow();
  ShowBothButtonsLive();
  ThrowAgain();
}

void CComputerPlayer::StopTurn() {
  ShowButtonPressed(BoardButton::kStop);
  HoldStep(PaceStep::kButtonPressed);
  ShowBothButtonsLive();
  m_bStopped = 1;
  StopAndPassTurn();
}
