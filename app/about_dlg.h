// The About box: the program's name, version, licence and icon.
#pragma once

#include "platform/ui/dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};
