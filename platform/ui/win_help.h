// The help request: opens the program's help book by the name the program
// knows it by, in our own help window. A missing book is reported in a
// message box and nothing else changes.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/types.h"

class QWidget;

// Commands of a help request.
constexpr UINT HELP_QUIT = 0x0002;    // close the help window
constexpr UINT HELP_FINDER = 0x000b;  // open the book at its contents

// Carries out the command for the help file (its name only, no folder).
// hWndMain is the window asking; a message box about a missing book sits on
// the modal dialog in front of it, if any. FALSE when nothing was shown.
BOOL WinHelp(QWidget* hWndMain, const QString& helpFile, UINT uCommand);

// Where the help books are looked for, in order; the program sets them at
// start-up, since only it knows where it is installed.
void SetHelpDirectories(const QStringList& directories);
QStringList HelpDirectories();

// The contents page of the book a help file name stands for: the page named
// after the file, with .html for its extension, in the first folder that has
// it; empty when none has.
QString FindHelpBook(const QString& helpFile, const QStringList& directories);
