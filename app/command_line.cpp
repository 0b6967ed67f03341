#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
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

}  // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments) {
  const QCommandLineOption help(QStringLiteral("help"));
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({help, version, seed});
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

QString UsageText(const QString& programName) {
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

QString VersionText() {
  return QStringLiteral("tumbleroad (Tumbleroad) %1\n").arg(QStringLiteral(TUMBLEROAD_VERSION));
}
