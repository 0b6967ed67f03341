#include "support/computer_stand_in.h"

#include "game/game_state.h"

void ComputerStandIn::TakeTheMove() {
  m_seats.push_back(g_nCurrentPlayer);
}
