#include "support/board_setup.h"

#include "game/game_state.h"
#include "game/white_pegs.h"

void Claim(int seat, std::initializer_list<int> columns) {
  for (const int column : columns) {
    g_nProgress[seat][column] = g_nColumnHeight[column];
  }
}

void Claims(std::initializer_list<std::initializer_list<int>> bySeat) {
  int seat = 0;
  for (const auto columns : bySeat) {
    Claim(seat++, columns);
  }
}

int WhitePegHeight(int column) {
  for (int slot = 0; slot < 3; ++slot) {
    if (g_WhitePegs.Get(slot, kGetColumn) == column) {
      return g_WhitePegs.Get(slot, kGetHeight);
    }
  }
  return 0;
}
