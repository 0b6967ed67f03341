#include "support/displayless_main_window.h"

#include "board/sprites.h"

DisplaylessMainWindow::DisplaylessMainWindow() {
  // The frame's client area holds the board behind its edge.
  m_frame.CreateClientArea(kBoardSize + 2 * kViewEdge, kBoardSize + 2 * kViewEdge);
  m_frame.SetScreen(this);
  m_app.m_pMainWnd = &m_frame;
}

DisplaylessMainWindow::~DisplaylessMainWindow() {
  m_app.m_pMainWnd = nullptr;
}
