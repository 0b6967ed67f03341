#include "app/varnel_app.h"

#include <QElapsedTimer>
#include <ctime>

#include "ai/computer_player.h"
#include "app/about_dlg.h"
#include "app/board_accessible.h"
#include "app/board_scale.h"
#include "app/computer_watch.h"
#include "app/help_book.h"
#include "app/main_frame.h"
#include "app/main_menu.h"
#include "app/remember_options.h"
#include "app/startup_report.h"
#include "app/status_line.h"
#include "app/stored_options.h"
#include "app/ui_language.h"
#include "app/varnel_doc.h"
#include "app/varnel_view.h"
#include "board/main_window_board.h"
#include "board/sprites.h"
#include "game/computer_hand_over.h"
#include "game/game_state.h"
#include "platform/bitmap.h"
#include "platform/ui/message_map.h"
#include "platform/ui/win_help.h"
#include "res/resource.h"

namespace {

constexpr CommandMapEntry<CVarnelApp> kAppCommands[] = {
    {ID_APP_ABOUT, &CVarnelApp::OnAppAbout},
    {ID_APP_EXIT, &CVarnelApp::OnAppExit},
    {ID_FILE_NEW, &CVarnelApp::OnFileNew},
};

// The windows of a process that Qt ended itself, kept until its very end.
CSingleDocTemplate* g_pLeftAtExit = nullptr;

}  // namespace

CVarnelApp::CVarnelApp() = default;

CVarnelApp::~CVarnelApp() {
  // Shutdown closes the windows (ExitInstance) while Qt still runs. They are
  // still open here only when Qt ends the process from inside, as its X11
  // plugin does with exit() once the display has gone: Qt's own objects are
  // destroyed by then, and so would be a dialog the windows own. They are
  // left for the end of the process.
  g_pLeftAtExit = m_pDocTemplate.release();
}

BOOL CVarnelApp::InitInstance() {
  m_strStartupError.clear();
  // The first game's options: the remembered ones, then the command line's.
  StartWithOptions(m_cmdInfo.m_options, StoredOptionsPath());
  // The rules paint the board and hand the move to the computer through these.
  InstallMainWindowBoard();
  InstallComputerPlayer();
  InstallComputerWatch();
  InstallStatusLine();
  SetHelpDirectories(ProgramHelpDirectories(SystemLanguages()));
  InstallBoardAccessibility();
  // The board is drawn from these on every paint: a picture that cannot be
  // loaded ends start-up here, before a window shows a half-drawn board.
  m_strStartupError = LoadAllBitmaps();
  if (!m_strStartupError.isEmpty()) {
    return FALSE;
  }
  FrameResources resources{QString::fromLatin1(kMainWindowTitle),
                           MainMenu(),
                           MainAccelerators(),
                           QStringLiteral(":/icons"),
                           QSize(kBoardSize, kBoardSize),
                           QColor(QRgb{kBoardOliveRgb})};
  m_pDocTemplate = std::make_unique<CSingleDocTemplate>(
      std::move(resources),
      CSingleDocTemplate::Classes{[] { return std::make_unique<CVarnelDoc>(); },
                                  [] { return std::make_unique<CMainFrame>(); },
                                  [] { return std::make_unique<CVarnelView>(); }});
  if (!ProcessShellCommand(m_cmdInfo)) {
    return FALSE;
  }

  CMainFrame* frame = MainFrame();
  AttachStatusLine(*frame);
  ApplyBoardScale(*frame);
  frame->ShowWindow();
  frame->UpdateWindow();
  ReportFirstPaint();

  const std::uint32_t seed =
      m_cmdInfo.m_seed.value_or(static_cast<std::uint32_t>(std::time(nullptr)));
  QElapsedTimer throwTime;
  throwTime.start();
  frame->HandleInput([seed] { PrepareFirstGame(seed); });
  ReportOpeningThrow(throwTime.nsecsElapsed() / 1e6);
  // Options chosen before the first game can give seat 1 to the computer,
  // which then plays at once, as after a new game.
  if (!frame->IsClosed() && g_nPlayerType[0] == kComputerSeat) {
    frame->HandleInput([] { HandOverToComputer(); });
  }
  return frame->IsClosed() ? FALSE : TRUE;
}

BOOL CVarnelApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (info.m_nShellCommand == CCommandLineInfo::FileOpen) {
    return m_pDocTemplate->OpenDocumentFile(info.m_strFileName, &m_strStartupError);
  }
  OnFileNew();
  return MainFrame() != nullptr;
}

void CVarnelApp::ExitInstance() {
  m_pDocTemplate.reset();
}

CMainFrame* CVarnelApp::MainFrame() const {
  return m_pDocTemplate ? static_cast<CMainFrame*>(m_pDocTemplate->Frame()) : nullptr;
}

BOOL CVarnelApp::OnCommand(UINT nID) {
  return DispatchCommand<CVarnelApp>(*this, kAppCommands, nID);
}

void CVarnelApp::OnAppAbout() {
  CAboutDlg dlg;
  dlg.DoModal();
}

void CVarnelApp::OnAppExit() {
  if (CMainFrame* frame = MainFrame()) {
    frame->Close();
  }
}

void CVarnelApp::OnFileNew() {
  if (m_pDocTemplate && MainFrame() == nullptr) {
    m_pDocTemplate->OpenDocumentFile(QString(), &m_strStartupError);
  }
}
