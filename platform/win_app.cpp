#include "platform/win_app.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) {
    g_pApp = nullptr;
  }
}

CWinApp* AfxGetApp() {
  return g_pApp;
}

CWnd* AfxGetMainWnd() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pMainWnd : nullptr;
}
