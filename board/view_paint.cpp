#include "board/painter.h"
#include "game/dice.h"
#include "game/game_state.h"

void PaintBoardAfresh(CDC* pDC) {
  g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    if (die.m_bSelected == 1) {
      die.m_bRedraw = 1;
    }
  }
  PaintBoard(pDC, 0);
}
