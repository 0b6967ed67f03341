#include "support/displayless_main_window.h"

DisplaylessMainWindow::DisplaylessMainWindow() {
  // The frame's client area holds the 480 × 480 board behind a 2-pixel edge.
  m_frame.CreateClientArea(484, 484);
  m_frame.SetScreen(this);
  m_app.m_pMainWnd = &m_frame;
}

DisplaylessMainWindow::~DisplaylessMainWindow() {
  m_app.m_pMainWnd = nullptr;
}
