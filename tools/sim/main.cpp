// tumbleroad-sim: plays all-computer games and prints what happened in them.
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "sim_options.h"
#include "simulation.h"

namespace {

double Share(long long part, long long whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

double PerGame(long long count, long long games) {
  return static_cast<double>(count) / static_cast<double>(games);
}

void PrintTally(const SimOptions& options, const SimTally& tally) {
  const long long games = options.nGames;
  std::printf("games %lld, seats %d, columns to win %d, seed %u\n\n", games, options.nSeats,
              options.nColumnsToWin, options.nSeed);
  for (int seat = 0; seat < options.nSeats; ++seat) {
    std::printf("wins of player %d          %12lld\n", seat + 1, tally.nWins[seat]);
  }
  std::printf("games with no winner       %12lld\n", tally.nNoWinner);
  std::printf("throws                     %12lld\n", tally.nThrows);
  std::printf("busts                      %12lld\n", tally.nBusts);
  std::printf("first throws with no pair  %12lld\n", tally.nLostFirstThrows);
  std::printf("\n");
  for (int seat = 0; seat < options.nSeats; ++seat) {
    std::printf("player %d wins             %10.2f %%\n", seat + 1,
                Share(tally.nWins[seat], games));
  }
  std::printf("no winner                  %10.2f %%\n", Share(tally.nNoWinner, games));
  std::printf("throws per game            %12.2f\n", PerGame(tally.nThrows, games));
  std::printf("busts per game             %12.2f\n", PerGame(tally.nBusts, games));
  std::printf("busts per roll again       %10.2f %%\n", Share(tally.nBusts, tally.nRollsAgain));
  std::printf("first throws with no pair  %10.2f %%\n",
              Share(tally.nLostFirstThrows, tally.nThrows - tally.nRollsAgain - games));
  // Timing last: everything above is the same for the same options.
  std::printf("games per second           %12.0f\n",
              tally.seconds > 0 ? static_cast<double>(games) / tally.seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName("tumbleroad-sim");
  QCoreApplication app(argc, argv);
  const SimCommandLine commandLine = ParseSimCommandLine(argc, argv);
  switch (commandLine.outcome) {
    case SimCommandLine::Outcome::kHelp:
      return std::fputs(commandLine.text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    case SimCommandLine::Outcome::kError:
      std::fprintf(stderr, "tumbleroad-sim: %s\nTry 'tumbleroad-sim --help'.\n",
                   commandLine.text.c_str());
      return 2;
    case SimCommandLine::Outcome::kRun:
      break;
  }
  PrintTally(commandLine.options, RunSimulation(commandLine.options));
  // A tally that could not be written (a full disk, say) is no success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "tumbleroad-sim: cannot write the tally: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}
