// Paints named game positions on a window with no display, as the running game
// would, and writes each as a PNG at its own size and magnified three times:
//   board-preview OUT_DIR
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <functional>

#include "board/layout.h"
#include "board/main_window_board.h"
#include "board/painter.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

constexpr unsigned kSeed = 20240611;

// The state the program starts with, before the first throw: blank dice.
void ResetGame() {
  ResetGameState();
  for (CDie& die : g_Dice) {
    die.m_nValue = 0;
  }
}

// The main window's client area: the view behind its edge.
struct Window {
  CWinApp app;
  CWnd frame;
  CWnd view;

  Window() {
    frame.CreateClientArea(kBoardSize + 2 * kViewEdge, kBoardSize + 2 * kViewEdge);
    view.CreateChildArea(&frame, kViewEdge, kViewEdge, kBoardSize, kBoardSize);
    app.m_pMainWnd = &frame;
    InstallMainWindowBoard();
  }

  // The window is shown: the view paints itself from nothing.
  void Show() {
    CDC* pDC = view.GetDC();
    PaintBoardAfresh(pDC);
    view.ReleaseDC(pDC);
  }

  QImage Board() const {
    return frame.ClientSurface()->copy(kViewEdge, kViewEdge, kBoardSize, kBoardSize);
  }
};

void SetDice(int a, int b, int c, int d) {
  const int values[4] = {a, b, c, d};
  for (int i = 0; i < 4; ++i) {
    g_Dice[i].m_nValue = values[i];
  }
}

// The program as it opens: shown, then seat 0's first throw.
void StartUp(Window& window) {
  window.Show();
  PrepareFirstGame(kSeed);
}

// Four seats in the middle of a game: pegs of every seat, a column claimed by
// seat 1, seat 2 to move with three white pegs, one pair played and a die picked.
void MidGame(Window& window) {
  window.Show();
  PrepareFirstGame(kSeed);
  g_nPlayers = 4;
  const int progress[4][13] = {
      {0, 0, 1, 0, 3, 0, 2, 5, 0, 6, 0, 0, 1},
      {0, 0, 3, 0, 0, 0, 4, 0, 7, 0, 2, 0, 0},
      {0, 0, 0, 1, 0, 3, 0, 2, 0, 0, 0, 2, 0},
      {0, 0, 0, 2, 0, 0, 6, 0, 3, 0, 4, 0, 0},
  };
  for (int s = 0; s < 4; ++s) {
    for (int c = 0; c < 13; ++c) {
      g_nProgress[s][c] = progress[s][c];
    }
  }
  g_nCurrentPlayer = 2;
  g_WhitePegs.Clear();
  for (int column : {7, 7, 7, 5, 9}) {
    g_WhitePegs.Advance(column);
  }
  SetDice(0, 5, 0, 3);
  g_Dice[1].m_bSelected = 1;
  g_Dice[1].m_bRedraw = 1;
  g_bPairPlayed = 1;
  RepaintNow();
}

void Winner(Window& window) {
  MidGame(window);
  g_WhitePegs.Clear();
  g_Dice[1].m_bSelected = 0;
  g_Dice[1].m_bRedraw = 1;
  g_nProgress[3][3] = 5;
  g_nProgress[3][11] = 5;
  g_nProgress[3][12] = 3;
  g_nWinner = 4;
  SetDice(6, 1, 4, 2);
  g_bPairPlayed = 0;
  RepaintNow();
}

void NoWinner(Window& window) {
  MidGame(window);
  g_WhitePegs.Clear();
  g_Dice[1].m_bSelected = 0;
  g_Dice[1].m_bRedraw = 1;
  g_bNoWinner = 1;
  SetDice(2, 2, 5, 6);
  g_bPairPlayed = 0;
  RepaintNow();
}

// ROLL held down beside a live STOP, as the turn flow shows them.
void ButtonsPressed(Window& window) {
  MidGame(window);
  ShowButtonPressed(BoardButton::kRoll);
}

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path)) {
    std::fprintf(stderr, "board-preview: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) {
    std::fprintf(stderr, "board-preview: cannot make %s\n", argv[1]);
    return 1;
  }
  const std::pair<const char*, std::function<void(Window&)>> positions[] = {
      {"startup", StartUp},
      {"midgame", MidGame},
      {"winner", Winner},
      {"nowinner", NoWinner},
      {"buttons-pressed", ButtonsPressed},
  };
  bool ok = true;
  for (const auto& [name, setUp] : positions) {
    ResetGame();
    Window window;
    setUp(window);
    const QImage board = window.Board();
    const QString base = out.filePath(QString::fromLatin1(name));
    ok = Save(board, base + ".png") && ok;
    ok = Save(board.scaled(board.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation),
              base + "-3x.png") &&
         ok;
  }
  return ok ? 0 : 1;
}
