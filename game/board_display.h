// What the rules need of the board on the screen. The window shell, the tools
// and the tests install the board's own display at start-up; with none
// installed the rules play unseen (the simulator): nothing is painted and no
// point lies on a die or a button.
#pragma once

#include <chrono>
#include <functional>

#include "platform/types.h"

enum class BoardButton { kNone, kStop, kRoll };

class CBoardDisplay {
 public:
  virtual ~CBoardDisplay() = default;
  // Paints the whole board from the present state, now.
  virtual void Repaint() = 0;
  // Shows one button held down, at once, without a full repaint.
  virtual void ShowButtonPressed(BoardButton button) = 0;
  // Shows STOP and ROLL live again, at once.
  virtual void ShowBothButtonsLive() = 0;
  // The die (0 … 3) whose place holds a board point; -1 for none.
  virtual int DieAt(CPoint point) const = 0;
  // The button whose area holds a board point.
  virtual BoardButton ButtonAt(CPoint point) const = 0;
  // Keeps what is shown on the board for a while, or until `done` says so,
  // so that a watcher can follow a step of play.
  virtual void Hold(std::chrono::milliseconds length, const std::function<bool()>& done) = 0;
};

// Installs the display (null removes it); returns the one installed before.
CBoardDisplay* SetBoardDisplay(CBoardDisplay* pDisplay);
// The installed display, or null.
CBoardDisplay* BoardDisplay();

// The button pictures the turn flow shows itself, between two repaints.
void ShowButtonPressed(BoardButton button);
void ShowBothButtonsLive();
