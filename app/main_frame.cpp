#include "app/main_frame.h"

#include "ai/computer_pace.h"
#include "app/board_keys.h"
#include "app/computer_watch.h"
#include "app/hint_words.h"
#include "app/options_table.h"
#include "app/remember_options.h"
#include "app/status_line.h"
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
    {ID_FILE_NEW, &CMainFrame::OnFileNew},        {ID_HELP_FINDER, &CMainFrame::OnHelpTopics},
    {ID_HELP, &CMainFrame::OnHelpTopics},         {ID_CONTEXT_HELP, &CMainFrame::OnHelpTopics},
    {ID_DEFAULT_HELP, &CMainFrame::OnHelpTopics}, {ID_GAME_HINT, &CMainFrame::OnGameHint},
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
  const BOOL handled = RouteCommand(nID);
  // Whatever the command changed, a dialog's options included, is remembered.
  StoreChangedOptions();
  return handled;
}

BOOL CMainFrame::RouteCommand(UINT nID) {
  DismissStatusMessage();
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
  if (const std::optional<OptionCommand> option = FindOptionCommand(GameOptions(), nID)) {
    option->option->set(option->nValue);
    return TRUE;
  }
  return DispatchCommand<CMainFrame>(*this, kFrameCommands, nID);
}

void CMainFrame::OnFileNew() {
  NewGame();
}

void CMainFrame::OnHelpTopics() {
  WinHelp(GetSafeHwnd(), QString::fromLatin1(kHelpFile), HELP_FINDER);
}

void CMainFrame::OnGameHint() {
  GiveHint();
}

bool CMainFrame::IsChecked(UINT nID) const {
  return IsOptionChecked(GameOptions(), nID);
}

bool CMainFrame::RunsDuringPlay(UINT nID) const {
  return OptionRunsDuringPlay(GameOptions(), nID);
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
    DismissStatusMessage();
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

void CMainFrame::OnFramePresented() {
  RefreshStatusLine();
}

void CMainFrame::OnScaleChosen() {
  StoreChangedOptions();
}

void CMainFrame::OnClose() {
  WinHelp(GetSafeHwnd(), QString(), HELP_QUIT);
  CFrameWnd::OnClose();
}
