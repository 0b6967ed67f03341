// The board view's own paint: the window must be rebuilt from nothing, so the
// background goes first and the black dice need their bodies again.
#include "board/painter.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/varnel_view.h"

void CVarnelView::OnDraw(CDC* pDC) {
  g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    if (die.m_bSelected == 1) {
      die.m_bRedraw = 1;
    }
  }
  PaintBoard(pDC, 0);
}
