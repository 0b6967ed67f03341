#include "game/board_display.h"

#include <utility>

namespace {
CBoardDisplay* g_pBoardDisplay = nullptr;
}

CBoardDisplay* SetBoardDisplay(CBoardDisplay* pDisplay) {
  return std::exchange(g_pBoardDisplay, pDisplay);
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
