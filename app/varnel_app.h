// The application: start-up (the main window, then the opening throw), the
// application's own commands (About, Exit) and shutdown.
#pragma once

#include <QString>
#include <memory>

#include "app/command_line.h"
#include "platform/ui/doc_template.h"
#include "platform/win_app.h"

class CMainFrame;

class CVarnelApp : public CWinApp {
 public:
  CVarnelApp();
  ~CVarnelApp() override;

  // The command line start-up follows; set before InitInstance.
  void SetCommandLine(const CCommandLineInfo& info) { m_cmdInfo = info; }

  // Opens the document and the main window, shows it, and throws seat 0's
  // opening roll. FALSE when start-up failed (StartupError says why) or the
  // window was closed during it.
  BOOL InitInstance() override;
  // Closes the main window and the document.
  void ExitInstance();
  const QString& StartupError() const { return m_strStartupError; }

  // The application's command map; TRUE when handled.
  BOOL OnCommand(UINT nID);
  void OnAppAbout();
  void OnAppExit();
  // The new document of start-up: creates the document and the main window.
  void OnFileNew();

  CMainFrame* MainFrame() const;

 private:
  BOOL ProcessShellCommand(const CCommandLineInfo& info);

  CCommandLineInfo m_cmdInfo;
  std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
  QString m_strStartupError;
};
