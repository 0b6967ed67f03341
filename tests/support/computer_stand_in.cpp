#include "support/computer_stand_in.h"

#include "game/game_state.h"

void ComputerStandIn::PlayComputerTurns() {
  m_seats.push_back(g_nCurrentPlayer);
}
