// The About box: the program's name, version and icon.
#pragma once

#include "platform/ui/dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};
