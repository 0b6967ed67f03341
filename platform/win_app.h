// The application object: one per program, reachable from anywhere through
// AfxGetApp(). Its main-window pointer is the target of the game's repaints.
#pragma once

#include "platform/types.h"

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up work; FALSE ends the program.
  virtual BOOL InitInstance() { return TRUE; }

  CWnd* m_pMainWnd = nullptr;
};

// The application object constructed most recently and still alive, or null.
CWinApp* AfxGetApp();
// The running application's main window, or null.
CWnd* AfxGetMainWnd();
