#include "sim_options.h"

#include <QCommandLineParser>
#include <QStringList>

namespace {

// A whole number within [low, high], or false.
bool ReadNumber(const QString& text, long long low, long long high, long long* value) {
  bool ok = false;
  const long long number = text.toLongLong(&ok);
  if (!ok || number < low || number > high) {
    return false;
  }
  *value = number;
  return true;
}

// One level per seat, "strong" or "classic", separated by commas; an error
// message, or empty.
QString ReadStrengths(const QString& text, int nSeats, ComputerStrength strength[4]) {
  const QStringList words = text.split(',');
  if (words.size() > nSeats) {
    return QString("--strength names %1 seats, but there are %2.").arg(words.size()).arg(nSeats);
  }
  for (int seat = 0; seat < words.size(); ++seat) {
    if (words[seat] == "strong") {
      strength[seat] = ComputerStrength::kStrong;
    } else if (words[seat] == "classic") {
      strength[seat] = ComputerStrength::kClassic;
    } else {
      return QString("--strength takes \"classic\" or \"strong\" for each seat, not \"%1\".")
          .arg(words[seat]);
    }
  }
  return {};
}

}  // namespace

SimCommandLine ParseSimCommandLine(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Plays whole Tumbleroad games between computer seats, with no window, and prints\n"
      "the wins of each seat, the throws and the busts.");
  const QCommandLineOption help({"h", "help"}, "Show this help.");
  const QCommandLineOption games("games", "Number of games to play (1 or more; 1000).", "N",
                                 "1000");
  const QCommandLineOption seats("seats", "Seats at the board, all computers (2 to 4; 4).", "N",
                                 "4");
  const QCommandLineOption columns("columns", "Columns a seat must claim to win (2 to 4; 3).", "N",
                                   "3");
  const QCommandLineOption seed("seed", "Seed of the random source (0 to 4294967295; 1).", "N",
                                "1");
  const QCommandLineOption strength(
      "strength",
      "Level of each seat in seat order, separated by commas: classic or strong\n"
      "(seats not named play classic; all classic).",
      "LEVELS");
  parser.addOptions({help, games, seats, columns, seed, strength});

  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  if (arguments.isEmpty()) {
    arguments << "tumbleroad-sim";
  }

  SimCommandLine result;
  const auto fail = [&result](const QString& message) {
    result.outcome = SimCommandLine::Outcome::kError;
    result.text = message.toStdString();
    return result;
  };
  if (!parser.parse(arguments)) {
    return fail(parser.errorText());
  }
  if (parser.isSet(help)) {
    result.outcome = SimCommandLine::Outcome::kHelp;
    result.text = parser.helpText().toStdString();
    return result;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return fail("Unexpected argument: " + parser.positionalArguments().first());
  }

  struct Limit {
    const QCommandLineOption& option;
    long long low;
    long long high;
  };
  const Limit limits[4] = {
      {games, 1, 1'000'000'000'000LL}, {seats, 2, 4}, {columns, 2, 4}, {seed, 0, 4294967295LL}};
  long long values[4] = {};
  for (int i = 0; i < 4; ++i) {
    const QString name = limits[i].option.names().first();
    const QStringList given = parser.values(limits[i].option);
    if (given.size() > 1) {
      return fail(QString("--%1 is given more than once.").arg(name));
    }
    if (!ReadNumber(parser.value(limits[i].option), limits[i].low, limits[i].high, &values[i])) {
      return fail(QString("--%1 needs a whole number from %2 to %3, not \"%4\".")
                      .arg(name)
                      .arg(limits[i].low)
                      .arg(limits[i].high)
                      .arg(parser.value(limits[i].option)));
    }
  }
  result.options.nGames = values[0];
  result.options.nSeats = static_cast<int>(values[1]);
  result.options.nColumnsToWin = static_cast<int>(values[2]);
  result.options.nSeed = static_cast<std::uint32_t>(values[3]);
  if (parser.isSet(strength)) {
    if (parser.values(strength).size() > 1) {
      return fail("--strength is given more than once.");
    }
    const QString message =
        ReadStrengths(parser.value(strength), result.options.nSeats, result.options.strength);
    if (!message.isEmpty()) {
      return fail(message);
    }
  }
  return result;
}
