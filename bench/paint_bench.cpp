// How long the painter takes: a repaint of the board as the game does after
// every change, the first paint with the whole background, and a throw of
// the four dice, which paints the board 48 times in a row.
#include <benchmark/benchmark.h>

#include "board/main_window_board.h"
#include "board/painter.h"
#include "board/sprites.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

// The main window's client area with no display: the board behind its edge.
struct DisplaylessWindow {
  DisplaylessWindow() {
    frame.CreateClientArea(kBoardSize + 2 * kViewEdge, kBoardSize + 2 * kViewEdge);
    app.m_pMainWnd = &frame;
    InstallMainWindowBoard();
  }
  ~DisplaylessWindow() { app.m_pMainWnd = nullptr; }

  CWinApp app;
  CWnd frame;
};

// Four seats, pegs in many columns, three white pegs and a picked die.
void SetUpMidGame() {
  g_nPlayers = 4;
  g_nCurrentPlayer = 1;
  g_nWinner = 0;
  for (int c = 2; c <= 12; ++c) {
    for (int s = 0; s < 4; ++s) {
      g_nProgress[s][c] = (c + s) % g_nColumnHeight[c];
    }
  }
  g_WhitePegs.Clear();
  g_WhitePegs.Advance(7);
  g_WhitePegs.Advance(5);
  g_WhitePegs.Advance(9);
  const int values[4] = {5, 2, 6, 1};
  for (int d = 0; d < 4; ++d) {
    g_Dice[d].m_nValue = values[d];
    g_Dice[d].m_bSelected = d == 1 ? 1 : 0;
    g_Dice[d].m_bRedraw = 1;
  }
  g_bPairPlayed = 1;
  g_bBoardDrawn = 0;
}

void Repaint(benchmark::State& state) {
  DisplaylessWindow window;
  SetUpMidGame();
  CDC* pDC = window.frame.GetDC();
  PaintBoard(pDC, 2);
  for (auto _ : state) {
    PaintBoard(pDC, 2);
  }
  window.frame.ReleaseDC(pDC);
}
BENCHMARK(Repaint)->Unit(benchmark::kMicrosecond);

void FirstPaint(benchmark::State& state) {
  DisplaylessWindow window;
  SetUpMidGame();
  CDC* pDC = window.frame.GetDC();
  for (auto _ : state) {
    g_bBoardDrawn = 0;
    PaintBoard(pDC, 2);
  }
  window.frame.ReleaseDC(pDC);
}
BENCHMARK(FirstPaint)->Unit(benchmark::kMicrosecond);

// Each frame goes through RepaintNow on the main window, with no pause between frames.
void ThrowOfFourDice(benchmark::State& state) {
  DisplaylessWindow window;
  SetUpMidGame();
  RepaintNow();
  for (auto _ : state) {
    for (CDie& die : g_Dice) {
      die.Roll();
    }
  }
}
BENCHMARK(ThrowOfFourDice)->Unit(benchmark::kMicrosecond);

}  // namespace
