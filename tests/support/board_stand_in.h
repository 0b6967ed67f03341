// The board for tests of the rules alone, installed in place of the painted
// one for the lifetime of the object. It counts the frames the rules show
// (a repaint or a button picture), keeps which button pictures are up, and
// finds a die or a button within a few pixels of the points BoardMouse
// presses at.
#pragma once

#include <functional>

#include "game/board_display.h"

class BoardStandIn : public CBoardDisplay {
 public:
  // How far from a test point a press still lands on its die or button.
  static constexpr int kReach = 10;

  BoardStandIn();
  ~BoardStandIn() override;
  BoardStandIn(const BoardStandIn&) = delete;
  BoardStandIn& operator=(const BoardStandIn&) = delete;

  void Repaint() override;
  void ShowButtonPressed(BoardButton button) override;
  void ShowBothButtonsLive() override;
  int DieAt(CPoint point) const override;
  BoardButton ButtonAt(CPoint point) const override;
  // Holds nothing; tells the hook how long the rules asked the board to hold.
  void Hold(std::chrono::milliseconds length, const std::function<bool()>& done) override;

  int Frames() const { return m_nFrames; }
  void ResetFrames() { m_nFrames = 0; }
  // Runs at every frame, while the rules are still in the middle of their work.
  void OnFrame(std::function<void()> hook) { m_onFrame = std::move(hook); }
  void OnHold(std::function<void(std::chrono::milliseconds)> hook) { m_onHold = std::move(hook); }
  // The picture the rules last put up for a button: 'P' pressed, 'L' live,
  // '-' none since the last repaint.
  char Shown(BoardButton button) const;

 private:
  void Frame();

  CBoardDisplay* m_pPrevious;
  int m_nFrames = 0;
  char m_stopShown = '-';
  char m_rollShown = '-';
  std::function<void()> m_onFrame;
  std::function<void(std::chrono::milliseconds)> m_onHold;
};
