#include "game/computer_hand_over.h"

namespace {
CComputerToMove* g_pComputerToMove = nullptr;
}

CComputerToMove* SetComputerToMove(CComputerToMove* pComputer) {
  CComputerToMove* previous = g_pComputerToMove;
  g_pComputerToMove = pComputer;
  return previous;
}

void HandOverToComputer() {
  if (g_pComputerToMove != nullptr) {
    g_pComputerToMove->PlayComputerTurns();
  }
}
