// The command line: an optional file name, a fixed seed for replaying a game,
// the options of the first game (named in the options table), and the usual
// --help and --version.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "app/options_table.h"

struct CCommandLineInfo {
  enum ShellCommand { FileNew, FileOpen, ShowHelp, ShowVersion, Invalid };

  ShellCommand m_nShellCommand = FileNew;
  QString m_strFileName;
  // The seed of the opening throw; none means the calendar time.
  std::optional<std::uint32_t> m_seed;
  // The options given, by their place in the game's options table.
  OptionValues m_options;
  // What is wrong with an Invalid command line.
  QString m_strError;
};

// Reads the arguments, the program's name first. The seats given to the
// computer must be in the game: within --players, or else within the number
// of players the first game will have without it.
CCommandLineInfo ParseCommandLine(const QStringList& arguments,
                                  std::optional<int> nPlayersWithout = std::nullopt);

QString UsageText(const QString& programName);
QString VersionText();
