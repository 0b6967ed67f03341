#include "app/remember_options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <vector>

#include "app/stored_options.h"
#include "platform/ui/frame_wnd.h"

namespace {

bool g_bRemember = false;
QString g_path;
// The values written last; empty when nothing has been written since Remember came on.
std::vector<int> g_written;
// The command line's values, and the values they stand in for this run.
OptionValues g_commandLine;
std::vector<int> g_beforeCommandLine;
// A failure is told once, until a write succeeds again.
bool g_bFailureTold = false;

// What the file should hold: the values in force, except a command-line
// value nobody has changed since, which stands for what was there before.
std::vector<int> ValuesToStore() {
  const std::span<const OptionEntry> table = GameOptions();
  std::vector<int> values(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    values[i] = table[i].get();
    if (i < g_commandLine.size() && g_commandLine[i] == values[i]) {
      values[i] = g_beforeCommandLine[i];
    }
  }
  return values;
}

void TellFailure(const QString& text) {
  std::fputs(QStringLiteral("tumbleroad: %1\n").arg(text).toLocal8Bit().constData(), stderr);
  if (g_bFailureTold) {
    return;
  }
  g_bFailureTold = true;
  QMessageBox::warning(MainFrameWnd() != nullptr ? MainFrameWnd()->GetSafeHwnd() : nullptr,
                       QStringLiteral("Tumbleroad"), text);
}

void Write() {
  const std::vector<int> values = ValuesToStore();
  const QString why = WriteStoredOptions(g_path, GameOptions(), values);
  if (!why.isEmpty()) {
    TellFailure(QCoreApplication::translate("StoredOptions",
                                            "The options cannot be remembered: %1 cannot be "
                                            "written (%2). The game goes on with them.")
                    .arg(QDir::toNativeSeparators(g_path), why));
    return;
  }
  g_written = values;
  g_bFailureTold = false;
}

}  // namespace

bool RememberingOptions() {
  return g_bRemember;
}

void SetRememberOptions(bool bOn) {
  g_bRemember = bOn;
  g_written.clear();
  if (bOn) {
    Write();
    return;
  }
  const QString why = RemoveStoredOptions(g_path);
  if (!why.isEmpty()) {
    TellFailure(QCoreApplication::translate("StoredOptions",
                                            "The remembered options cannot be forgotten: %1 "
                                            "cannot be deleted (%2).")
                    .arg(QDir::toNativeSeparators(g_path), why));
  }
}

void StartWithOptions(const OptionValues& commandLine, const QString& path) {
  g_path = path;
  g_bFailureTold = false;
  const std::span<const OptionEntry> table = GameOptions();
  g_bRemember = QFileInfo::exists(path);
  if (g_bRemember) {
    const StoredOptions stored = ReadStoredOptions(path, table);
    for (const QString& warning : stored.warnings) {
      std::fputs(QStringLiteral("tumbleroad: %1\n").arg(warning).toLocal8Bit().constData(), stderr);
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (table[i].storedKey != nullptr) {
        table[i].set(stored.values[i].value_or(table[i].nDefault));
      }
    }
  }
  g_commandLine = commandLine;
  g_beforeCommandLine.assign(table.size(), 0);
  for (std::size_t i = 0; i < table.size() && i < commandLine.size(); ++i) {
    g_beforeCommandLine[i] = table[i].get();
    if (commandLine[i]) {
      table[i].set(*commandLine[i]);
    }
  }
  g_written = g_bRemember ? ValuesToStore() : std::vector<int>{};
}

void StoreChangedOptions() {
  if (g_bRemember && ValuesToStore() != g_written) {
    Write();
  }
}
