// A person's whole turn with the left button, as the board view passes it on.
#include "game/turn_controller.h"

#include "game/board_display.h"
#include "game/computer_hand_over.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/turn_passing.h"
#include "game/white_pegs.h"

namespace {

void PlayComputerIfItsTurn() {
  if (g_nPlayerType[g_nCurrentPlayer] == kComputerSeat) {
    HandOverToComputer();
  }
}

// A computer that yielded in the middle of its turn (for a command made
// while it played) leaves its white pegs or its played dice on the board;
// the board is its own until it plays on.
bool ComputerTurnUnderway() {
  if (g_nPlayerType[g_nCurrentPlayer] != kComputerSeat) {
    return false;
  }
  if (g_WhitePegs.Get(0, kGetCount) > 0) {
    return true;
  }
  for (const CDie& die : g_Dice) {
    if (die.m_nValue == 0) {
      return true;
    }
  }
  return false;
}

// Both buttons back to live, neither held.
void ReleaseButtons() {
  ShowBothButtonsLive();
  g_bStopPressed = 0;
  g_bRollPressed = 0;
}

// The die whose place holds the point; -1 for none.
int DieUnder(CPoint point) {
  const CBoardDisplay* display = BoardDisplay();
  return display != nullptr ? display->DieAt(point) : -1;
}

BoardButton ButtonUnder(CPoint point) {
  const CBoardDisplay* display = BoardDisplay();
  return display != nullptr ? display->ButtonAt(point) : BoardButton::kNone;
}

}  // namespace

void PressOnBoard(CPoint point) {
  // Every press moves the computer on first: an all-computer game advances
  // one stop per press.
  PlayComputerIfItsTurn();
  if (IsGameOver() || ComputerTurnUnderway()) {
    return;
  }
  if (ButtonsLive()) {
    const BoardButton button = ButtonUnder(point);
    if (button == BoardButton::kStop) {
      ShowButtonPressed(BoardButton::kStop);
      g_bStopPressed = 1;
      g_bRollPressed = 0;
    } else if (button == BoardButton::kRoll) {
      ShowButtonPressed(BoardButton::kRoll);
      g_bRollPressed = 1;
      g_bStopPressed = 0;
    } else {
      ReleaseButtons();
    }
  }
  const int die = DieUnder(point);
  // One toggle per press: a press whose release never reached us toggles nothing.
  if (die >= 0 && g_bDieClicked != 1 && g_Dice[die].m_nValue != 0) {
    CDie& picked = g_Dice[die];
    g_bDieClicked = 1;
    picked.m_bSelected = picked.m_bSelected == 1 ? 0 : 1;
    picked.m_bRedraw = 1;
    RepaintNow();
  }
}

void ReleaseOnBoard() {
  if (IsGameOver()) {
    return;
  }
  if (g_bRollPressed == 1 && ButtonsLive()) {
    g_bRollPressed = 0;
    if (!ThrowAgain()) {
      PlayComputerIfItsTurn();
      return;
    }
  }
  if (g_bStopPressed == 1 && ButtonsLive()) {
    StopAndPassTurn();
    PlayComputerIfItsTurn();
    return;
  }
  if (ButtonsLive()) {
    ReleaseButtons();
  }
  g_bDieClicked = 0;
}

void PlaySelectedPair() {
  if (IsGameOver()) {
    return;
  }
  CDie* selected[4];
  int count = 0;
  for (CDie& die : g_Dice) {
    if (die.m_bSelected == 1) {
      selected[count++] = &die;
    }
  }
  if (count == 2 && g_WhitePegs.Advance(selected[0]->m_nValue + selected[1]->m_nValue)) {
    g_bPairPlayed = 1;
    for (int i = 0; i < 2; ++i) {
      selected[i]->m_nValue = 0;
      selected[i]->m_bSelected = 0;
      selected[i]->m_bRedraw = 1;
    }
  }
  RepaintNow();
}

void MoveOverBoard(CPoint point) {
  if (IsGameOver()) {
    return;
  }
  // Leaving both buttons cancels a held one; coming back does not press it again.
  if (ButtonsLive() && ButtonUnder(point) == BoardButton::kNone) {
    ReleaseButtons();
  }
}
