// The board's own display for the rules: paints the board on the main
// window, copies the button pictures there, and knows what lies under a
// board point.
#pragma once

#include "game/board_display.h"

class CMainWindowBoard : public CBoardDisplay {
 public:
  void Repaint() override;
  void ShowButtonPressed(BoardButton button) override;
  void ShowBothButtonsLive() override;
  int DieAt(CPoint point) const override;
  BoardButton ButtonAt(CPoint point) const override;
  void Hold(std::chrono::milliseconds length, const std::function<bool()>& done) override;
};

// Installs one CMainWindowBoard for the rest of the run.
void InstallMainWindowBoard();
