#include "app/main_frame.h"

#include "ai/computer_pace.h"
#include "ai/computer_strength.h"
#include "app/board_keys.h"
#include "app/board_message.h"
#include "app/computer_watch.h"
#include "app/hint_words.h"
#include "app/varnel_app.h"
#include "app/varnel_view.h"
#include "game/game_state.h"
#include "platform/ui/document.h"
#include "platform/ui/message_map.h"
#include "platform/ui/win_help.h"
#include "platform/win_app.h"
#include "res/resource.h"

namespace {

constexpr CommandMapEntry<CMainFrame> kFrameCommands[] = {
    {ID_FILE_NEW, &CMainFrame::OnFileNew},
    {ID_HELP_FINDER, &CMainFrame::OnHelpTopics},
    {ID_HELP, &CMainFrame::OnHelpTopics},
    {ID_CONTEXT_HELP, &CMainFrame::OnHelpTopics},
    {ID_DEFAULT_HELP, &CMainFrame::OnHelpTopics},
    {ID_OPTIONS_SPEED_SLOW, &CMainFrame::OnSpeedSlow},
    {ID_OPTIONS_SPEED_NORMAL, &CMainFrame::OnSpeedNormal},
    {ID_OPTIONS_SPEED_FAST, &CMainFrame::OnSpeedFast},
    {ID_OPTIONS_STRENGTH_CLASSIC, &CMainFrame::OnStrengthClassic},
    {ID_OPTIONS_STRENGTH_STRONG, &CMainFrame::OnStrengthStrong},
    {ID_GAME_HINT, &CMainFrame::OnGameHint},
};

// Each speed's command.
constexpr struct {
  UINT nID;
  GameSpeed speed;
} kSpeedCommands[] = {
    {ID_OPTIONS_SPEED_SLOW, GameSpeed::kSlow},
    {ID_OPTIONS_SPEED_NORMAL, GameSpeed::kNormal},
    {ID_OPTIONS_SPEED_FAST, GameSpeed::kFast},
};

}  // namespace

QPoint CentredWindowOrigin(QSize screen, QSize outer) {
  // Integer division truncates toward zero, also for a screen smaller than the window.
  return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

std::optional<QPoint> CMainFrame::WindowOrigin(QSize screen, QSize outer) const {
  return CentredWindowOrigin(screen, outer);
}

BOOL CMainFrame::OnCommand(UINT nID) {
  DismissBoardMessage();
  if (auto* view = static_cast<CVarnelView*>(GetActiveView());
      view != nullptr && view->OnViewCommand(nID)) {
    return TRUE;
  }
  if (CDocument* document = GetActiveDocument(); document != nullptr && document->OnCommand(nID)) {
    return TRUE;
  }
  if (OnFrameCommand(nID)) {
    return TRUE;
  }
  auto* app = dynamic_cast<CVarnelApp*>(AfxGetApp());
  return app != nullptr && app->OnCommand(nID);
}

BOOL CMainFrame::OnFrameCommand(UINT nID) {
  return DispatchCommand<CMainFrame>(*this, kFrameCommands, nID);
}

void CMainFrame::OnFileNew() {
  NewGame();
}

void CMainFrame::OnHelpTopics() {
  WinHelp(GetSafeHwnd(), QString::fromLatin1(kHelpFile), HELP_FINDER);
}

void CMainFrame::OnSpeedSlow() {
  g_speed = GameSpeed::kSlow;
}

void CMainFrame::OnSpeedNormal() {
  g_speed = GameSpeed::kNormal;
}

void CMainFrame::OnSpeedFast() {
  g_speed = GameSpeed::kFast;
}

void CMainFrame::OnStrengthClassic() {
  SetComputerStrength(ComputerStrength::kClassic);
}

void CMainFrame::OnStrengthStrong() {
  SetComputerStrength(ComputerStrength::kStrong);
}

void CMainFrame::OnGameHint() {
  GiveHint();
}

bool CMainFrame::IsChecked(UINT nID) const {
  if (nID == ID_OPTIONS_STRENGTH_CLASSIC || nID == ID_OPTIONS_STRENGTH_STRONG) {
    const ComputerStrength chosen =
        nID == ID_OPTIONS_STRENGTH_STRONG ? ComputerStrength::kStrong : ComputerStrength::kClassic;
    return g_strength[0] == chosen;
  }
  for (const auto& command : kSpeedCommands) {
    if (command.nID == nID) {
      return command.speed == g_speed;
    }
  }
  return false;
}

bool CMainFrame::RunsDuringPlay(UINT nID) const {
  for (const auto& command : kSpeedCommands) {
    if (command.nID == nID) {
      return true;
    }
  }
  return false;
}

void CMainFrame::OnYieldRequest() {
  AskComputerToYield();
}

void CMainFrame::OnDeferredCommand(UINT nID) {
  OnCommand(nID);
  ResumeYieldedComputer();
}

void CMainFrame::OnViewMessage(UINT message, UINT nFlags, CPoint point) {
  if (message == WM_LBUTTONDOWN) {
    DismissBoardMessage();
  }
  if (auto* view = static_cast<CVarnelView*>(GetActiveView())) {
    view->OnMouseMessage(message, nFlags, point);
  }
}

void CMainFrame::OnViewKeyDown(UINT nChar) {
  for (const ViewMouseMessage& mouse : MouseMessagesForKey(nChar)) {
    OnViewMessage(mouse.message, mouse.nFlags, mouse.point);
  }
}

void CMainFrame::OnClose() {
  WinHelp(GetSafeHwnd(), QString(), HELP_QUIT);
  CFrameWnd::OnClose();
}
