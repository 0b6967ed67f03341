// The simulator's command line.
#pragma once

#include <cstdint>
#include <string>

#include "ai/computer_strength.h"

struct SimOptions {
  long long nGames = 1000;
  int nSeats = 4;
  int nColumnsToWin = 3;
  std::uint32_t nSeed = 1;
  // Per seat; seats not named play classic.
  ComputerStrength strength[4] = {ComputerStrength::kClassic, ComputerStrength::kClassic,
                                  ComputerStrength::kClassic, ComputerStrength::kClassic};
};

struct SimCommandLine {
  enum class Outcome { kRun, kHelp, kError };
  Outcome outcome = Outcome::kRun;
  SimOptions options;
  std::string text;  // the help text, or the message for a bad command line
};

// Reads the options (argv[0] is the program's name).
SimCommandLine ParseSimCommandLine(int argc, char** argv);
