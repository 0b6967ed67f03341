// The ids the window-system layer itself knows: the standard buttons of a
// dialog and the help command that F1 sends. The program's own ids build on
// these (res/resource.h).
#pragma once

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

constexpr unsigned ID_HELP = 57670;
