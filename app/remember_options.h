// Options > Remember Options. While it is off nothing is written anywhere.
// Turned on, the options are written to the stored settings at once and
// again whenever one changes, and the next start plays its first game with
// them; turned off, the file is deleted. Options given on the command line
// hold for their run only: the file keeps what it had for them, until the
// person chooses another value in the menu.
#pragma once

#include <QString>

#include "app/options_table.h"

// Whether the file exists is whether Remember Options is on.
bool RememberingOptions();
// Writes or deletes the file at once; a failure is told in a message box,
// and the game goes on.
void SetRememberOptions(bool bOn);

// Before the first game: the options of the file at the path, when there is
// one (a warning line on standard error for each value it cannot give), then
// the command line's on top.
void StartWithOptions(const OptionValues& commandLine, const QString& path);

// After every command: writes the options when one has changed since they
// were last written.
void StoreChangedOptions();
