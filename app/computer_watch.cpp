#include "app/computer_watch.h"

#include <chrono>

#include "ai/computer_pace.h"
#include "app/pace_report.h"
#include "game/board_display.h"
#include "game/computer_hand_over.h"
#include "game/game_state.h"
#include "platform/ui/frame_wnd.h"

namespace {

class WatchedComputer : public CComputerToMove {
 public:
  void TakeTheMove() override {
    m_bYielded = false;
    CFrameWnd* frame = MainFrameWnd();
    if (frame == nullptr || m_pComputer == nullptr) {
      if (m_pComputer != nullptr) {
        m_pComputer->TakeTheMove();
      }
      return;
    }
    // Made before the watch begins: input held from the person's turn is
    // delivered as it begins, and a yield it asks for is this turn's.
    TurnPace pace;
    {
      CFrameWnd::Watching watching(*frame);
      m_pComputer->TakeTheMove();
    }
    m_bYielded = pace.YieldAsked();
    if (frame->IsClosing()) {
      pace.KeepPausesOff();
    }
  }

  CComputerToMove* m_pComputer = nullptr;
  bool m_bYielded = false;
};

WatchedComputer g_watchedComputer;

// Each step the computer holds in view is told to a screen reader as it is
// shown: its throw, the dice it chose, the pair played, the button pressed.
class AnnouncedBoard : public CBoardDisplay {
 public:
  void Repaint() override { m_pBoard->Repaint(); }
  void ShowButtonPressed(BoardButton button) override { m_pBoard->ShowButtonPressed(button); }
  void ShowBothButtonsLive() override { m_pBoard->ShowBothButtonsLive(); }
  int DieAt(CPoint point) const override { return m_pBoard->DieAt(point); }
  BoardButton ButtonAt(CPoint point) const override { return m_pBoard->ButtonAt(point); }
  void Hold(std::chrono::milliseconds length, const std::function<bool()>& done) override {
    if (CFrameWnd* frame = MainFrameWnd(); frame != nullptr && frame->IsWatching()) {
      frame->AnnounceChanges();
      ReportHeldStep(length);
    }
    m_pBoard->Hold(length, done);
  }

  CBoardDisplay* m_pBoard = nullptr;
};

AnnouncedBoard g_announcedBoard;

}  // namespace

void InstallComputerWatch() {
  g_watchedComputer.m_pComputer = SetComputerToMove(&g_watchedComputer);
  if (BoardDisplay() != nullptr && BoardDisplay() != &g_announcedBoard) {
    g_announcedBoard.m_pBoard = SetBoardDisplay(&g_announcedBoard);
  }
}

void ResumeYieldedComputer() {
  if (!g_watchedComputer.m_bYielded) {
    return;
  }
  g_watchedComputer.m_bYielded = false;
  const CFrameWnd* frame = MainFrameWnd();
  if (frame == nullptr || frame->IsClosing() || frame->IsWatching() || IsGameOver() ||
      g_nPlayerType[g_nCurrentPlayer] != kComputerSeat) {
    return;
  }
  HandOverToComputer();
}
