// Whole all-computer games with the real rules and computer player, played
// with no window: nothing is painted and the dice do not pause.
#pragma once

#include "sim_options.h"

struct SimTally {
  long long nWins[4] = {};         // games won, by seat
  long long nNoWinner = 0;         // games that ended with nobody winning
  long long nThrows = 0;           // throws of the four dice, of every kind
  long long nRollsAgain = 0;       // of which: ROLL pressed
  long long nBusts = 0;            // rolls again that allowed no pair
  long long nLostFirstThrows = 0;  // first throws of a turn that allowed no pair
  double seconds = 0;              // time spent playing
};

// Seeds the random source once, then plays the games one after another.
SimTally RunSimulation(const SimOptions& options);
