// The command line: an optional file name, a fixed seed for replaying a game,
// and the usual --help and --version.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct CCommandLineInfo {
  enum ShellCommand { FileNew, FileOpen, ShowHelp, ShowVersion, Invalid };

  ShellCommand m_nShellCommand = FileNew;
  QString m_strFileName;
  // The seed of the opening throw; none means the calendar time.
  std::optional<std::uint32_t> m_seed;
  // What is wrong with an Invalid command line.
  QString m_strError;
};

// Reads the arguments, the program's name first.
CCommandLineInfo ParseCommandLine(const QStringList& arguments);

QString UsageText(const QString& programName);
QString VersionText();
