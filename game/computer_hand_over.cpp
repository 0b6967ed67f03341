#include "game/computer_hand_over.h"

#include <utility>

namespace {
CComputerToMove* g_pComputerToMove = nullptr;
}

CComputerToMove* SetComputerToMove(CComputerToMove* pComputer) {
  return std::exchange(g_pComputerToMove, pComputer);
}

void HandOverToComputer() {
  if (g_pComputerToMove != nullptr) {
    g_pComputerToMove->TakeTheMove();
  }
}
