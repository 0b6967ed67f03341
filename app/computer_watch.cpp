#include "app/computer_watch.h"

#include <chrono>

#include "ai/computer_pace.h"
#include "game/computer_hand_over.h"
#include "game/game_state.h"
#include "platform/frame_pause.h"
#include "platform/ui/frame_wnd.h"
#include "platform/win_app.h"

namespace {

CFrameWnd* MainFrame() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? dynamic_cast<CFrameWnd*>(app->m_pMainWnd) : nullptr;
}

class WatchedComputer : public CComputerToMove {
 public:
  void PlayComputerTurns() override {
    m_bYielded = false;
    CFrameWnd* frame = MainFrame();
    if (frame == nullptr || m_pComputer == nullptr) {
      if (m_pComputer != nullptr) {
        m_pComputer->PlayComputerTurns();
      }
      return;
    }
    m_framePause = FramePauseLength();
    {
      CFrameWnd::Watching watching(*frame);
      m_pComputer->PlayComputerTurns();
    }
    if (ComputerAskedToYield()) {
      m_bYielded = true;
      // What comes next (a person's bust, say) is held as usual.
      ClearYieldRequest();
      // A close keeps the pauses off for good.
      if (!frame->IsClosing()) {
        SetFramePause(m_framePause);
      }
    }
  }

  CComputerToMove* m_pComputer = nullptr;
  bool m_bYielded = false;
  std::chrono::milliseconds m_framePause{0};
};

WatchedComputer g_watchedComputer;

}  // namespace

void InstallComputerWatch() {
  g_watchedComputer.m_pComputer = SetComputerToMove(&g_watchedComputer);
}

void YieldComputer() {
  AskComputerToYield();
  SetFramePause(std::chrono::milliseconds{0});
}

void ResumeYieldedComputer() {
  if (!g_watchedComputer.m_bYielded) {
    return;
  }
  g_watchedComputer.m_bYielded = false;
  const CFrameWnd* frame = MainFrame();
  if (frame == nullptr || frame->IsClosing() || frame->IsWatching() || IsGameOver() ||
      g_nPlayerType[g_nCurrentPlayer] != kComputerSeat) {
    return;
  }
  HandOverToComputer();
}
