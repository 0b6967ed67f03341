#include "support/displayless_main_window.h"

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

DisplaylessMainWindow::DisplaylessMainWindow() {
  // The frame's client area holds the 480 × 480 board behind a 2-pixel edge.
  m_frame.CreateClientArea(484, 484);
  m_frame.SetScreen(this);
  m_app.m_pMainWnd = &m_frame;
}

DisplaylessMainWindow::~DisplaylessMainWindow() {
  m_app.m_pMainWnd = nullptr;
}

void ResetGameState() {
  g_nPlayers = 2;
  g_nColumnsToWin = 3;
  for (int& type : g_nPlayerType) {
    type = kHumanSeat;
  }
  g_nCurrentPlayer = 0;
  g_nWinner = 0;
  g_bNoWinner = 0;
  for (auto& row : g_nProgress) {
    for (int& cell : row) {
      cell = 0;
    }
  }
  g_bPairPlayed = g_bRollPressed = g_bStopPressed = g_bDieClicked = g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    die.m_bRedraw = 0;
    die.m_bSelected = 0;
    die.m_nValue = 1;
  }
  g_WhitePegs.Clear();
}
