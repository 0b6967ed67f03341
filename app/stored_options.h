// The options kept between runs: an INI file with one key per stored option,
// read with QSettings and written whole through QSaveFile, so that a crash
// never leaves half a file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

#include "app/options_table.h"

// $XDG_CONFIG_HOME/tumbleroad/tumbleroad.conf, or under ~/.config when unset.
QString StoredOptionsPath();

struct StoredOptions {
  // The file's value of each option; none where it has none or one out of range.
  OptionValues values;
  // One line for each thing wrong: a file that cannot be read, a bad value.
  QStringList warnings;
};

// Reads a file that exists. A key it lacks (a file of an older program) is
// no fault; the option takes its default, as it does for a bad value.
StoredOptions ReadStoredOptions(const QString& path, std::span<const OptionEntry> table);

// The file's value of one stored option, when the file exists and gives one.
std::optional<int> StoredValue(const QString& path, std::span<const OptionEntry> table,
                               const char* storedKey);

// Writes the value of every stored option of the table, by position; the
// reason it could not be written, or nothing.
QString WriteStoredOptions(const QString& path, std::span<const OptionEntry> table,
                           const std::vector<int>& values);

// Deletes the file; the reason it could not be deleted, or nothing. A file
// that is not there is no fault.
QString RemoveStoredOptions(const QString& path);
