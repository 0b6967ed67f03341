#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace {

CCommandLineInfo Invalid(const QString& error) {
  CCommandLineInfo info;
  info.m_nShellCommand = CCommandLineInfo::Invalid;
  info.m_strError = error;
  return info;
}

// A seed is a plain decimal number that fits in 32 bits.
std::optional<std::uint32_t> ParseSeed(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
  if (!digits.match(text).hasMatch()) {
    return std::nullopt;
  }
  const qulonglong value = text.toULongLong();
  if (value > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

QString Name(const OptionEntry& option) {
  return QString::fromLatin1(option.commandLineName);
}

std::size_t PlaceOf(std::span<const OptionEntry> table, const char* name) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].commandLineName != nullptr && qstrcmp(table[i].commandLineName, name) == 0) {
      return i;
    }
  }
  return table.size();
}

// Each option given once, with a value it accepts; the message when not.
QString ReadGameOptions(const QCommandLineParser& parser, OptionValues& values) {
  const std::span<const OptionEntry> table = GameOptions();
  values.assign(table.size(), std::nullopt);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].commandLineName == nullptr || !parser.isSet(Name(table[i]))) {
      continue;
    }
    const QStringList given = parser.values(Name(table[i]));
    if (given.size() > 1) {
      return QCoreApplication::translate("CommandLine", "--%1 may be given only once.")
          .arg(Name(table[i]));
    }
    values[i] = ParseOptionValue(table[i], given.front());
    if (!values[i]) {
      return QCoreApplication::translate("CommandLine", "invalid value '%1' for --%2: give %3.")
          .arg(given.front(), Name(table[i]), OptionAccepts(table[i]));
    }
  }
  return {};
}

// Every seat given to the computer must be in the game.
QString SeatsOutsideGame(const OptionValues& values, std::optional<int> nPlayersWithout) {
  const std::span<const OptionEntry> table = GameOptions();
  const std::size_t computer = PlaceOf(table, "computer");
  const std::size_t players = PlaceOf(table, "players");
  if (!values[computer]) {
    return {};
  }
  const int inGame = values[players].value_or(nPlayersWithout.value_or(table[players].nDefault));
  for (int seat = inGame; (1 << seat) <= table[computer].nMaximum; ++seat) {
    if ((*values[computer] & (1 << seat)) != 0) {
      return QCoreApplication::translate(
                 "CommandLine",
                 "--computer gives player %1, but the game has %2 players: give player numbers "
                 "from 1 to %2, or more --players.")
          .arg(seat + 1)
          .arg(inGame);
    }
  }
  return {};
}

}  // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments,
                                  std::optional<int> nPlayersWithout) {
  const QCommandLineOption help(QStringLiteral("help"));
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({help, version, seed});
  for (const OptionEntry& option : GameOptions()) {
    if (option.commandLineName != nullptr) {
      parser.addOption(QCommandLineOption(Name(option), QString(), QStringLiteral("VALUE")));
    }
  }
  if (!parser.parse(arguments)) {
    return Invalid(parser.errorText());
  }

  CCommandLineInfo info;
  if (parser.isSet(help)) {
    info.m_nShellCommand = CCommandLineInfo::ShowHelp;
    return info;
  }
  if (parser.isSet(version)) {
    info.m_nShellCommand = CCommandLineInfo::ShowVersion;
    return info;
  }
  if (parser.isSet(seed)) {
    const QStringList values = parser.values(seed);
    if (values.size() > 1) {
      return Invalid(QCoreApplication::translate("CommandLine", "--seed may be given only once."));
    }
    info.m_seed = ParseSeed(values.front());
    if (!info.m_seed) {
      return Invalid(QCoreApplication::translate(
                         "CommandLine", "invalid seed '%1': give a whole number from 0 to %2.")
                         .arg(values.front())
                         .arg(std::numeric_limits<std::uint32_t>::max()));
    }
  }
  if (QString error = ReadGameOptions(parser, info.m_options); !error.isEmpty()) {
    return Invalid(error);
  }
  if (QString error = SeatsOutsideGame(info.m_options, nPlayersWithout); !error.isEmpty()) {
    return Invalid(error);
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    return Invalid(QCoreApplication::translate("CommandLine", "too many file names: '%1'.")
                       .arg(files.join("', '")));
  }
  if (files.size() == 1) {
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = files.front();
  }
  return info;
}

namespace {

QString ValueName(const OptionEntry& option) {
  switch (option.text) {
    case OptionText::kNumber:
      return QStringLiteral("N");
    case OptionText::kWords:
      return QStringLiteral("WORD");
    case OptionText::kSeats:
      return QStringLiteral("LIST");
  }
  return {};
}

// A paragraph of --help made from the options table.
QString GameOptionsHelp() {
  QString text = QCoreApplication::translate(
      "CommandLine", "The first game's options, as if chosen in the Options menu:");
  for (const OptionEntry& option : GameOptions()) {
    if (option.commandLineName != nullptr) {
      const QString flag = QStringLiteral("--%1=%2").arg(Name(option), ValueName(option));
      text += QStringLiteral("\n      %1 %2")
                  .arg(flag, -16)
                  .arg(QCoreApplication::translate("CommandLine", option.commandLineHelp));
    }
  }
  return text;
}

// The rest of the usage text, translated whole.
QString UsageParagraphs(const QString& programName) {
  return QCoreApplication::translate(
             "CommandLine",
             "Usage: %1 [OPTION]... [FILE]\n"
             "Play Tumbleroad, a push-your-luck dice game for two to four players,\n"
             "each one a person at the mouse or the computer.\n"
             "\n"
             "      --seed=N     throw the dice from the fixed seed N (0 to 4294967295),\n"
             "                   so that the same moves replay the same game;\n"
             "                   without it the dice follow the clock\n"
             "      --help       display this help and exit\n"
             "      --version    output version information and exit\n"
             "\n"
             "FILE, if given, must be a file that can be read; the game reads nothing\n"
             "from it and starts as usual.\n"
             "\n"
             "Press F1 in the game for the rules and how to play.\n")
      .arg(programName);
}

}  // namespace

QString UsageText(const QString& programName) {
  // The game's options follow the paragraph of the program's own options.
  QStringList paragraphs = UsageParagraphs(programName).split(QStringLiteral("\n\n"));
  paragraphs.insert(std::min<qsizetype>(2, paragraphs.size()), GameOptionsHelp());
  return paragraphs.join(QStringLiteral("\n\n"));
}

QString VersionText() {
  return QStringLiteral("tumbleroad (Tumbleroad) %1\n").arg(QStringLiteral(TUMBLEROAD_VERSION));
}
