#include "game/board_display.h"

namespace {
CBoardDisplay* g_pBoardDisplay = nullptr;
}

CBoardDisplay* SetBoardDisplay(CBoardDisplay* pDisplay) {
  CBoardDisplay* previous = g_pBoardDisplay;
  g_pBoardDisplay = pDisplay;
  return previous;
}

CBoardDisplay* BoardDisplay() {
  return g_pBoardDisplay;
}

void ShowButtonPressed(BoardButton button) {
  if (g_pBoardDisplay != nullptr) {
    g_pBoardDisplay->ShowButtonPressed(button);
  }
}

void ShowBothButtonsLive() {
  if (g_pBoardDisplay != nullptr) {
    g_pBoardDisplay->ShowBothButtonsLive();
  }
}
