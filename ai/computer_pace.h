// How fast the computer plays where a person watches: each step of its turn
// stays on the board for a hold that depends on the chosen speed. The board's
// display does the holding (on screen, a wait that answers the window system
// and ends at once when the window closes); unseen play (no board display)
// and Fast speed hold nothing, which is the pace of painting alone.
#pragma once

#include <chrono>

enum class GameSpeed { kSlow, kNormal, kFast };

// The speed for the rest of the run; Normal at start.
extern GameSpeed g_speed;

// The moments of play that are held for the watcher.
enum class PaceStep {
  kSettledThrow,     // a throw has settled; the computer has not acted on it yet
  kChosenDice,       // the dice of the pair the computer plays are shown black
  kPlayedPair,       // the pair is played: its peg moved, its dice blank
  kButtonPressed,    // the computer's ROLL or STOP is shown pressed
  kUnplayableThrow,  // a throw that busts the turn or skips the seat
};

// How long the step is held at a speed.
std::chrono::milliseconds StepHold(GameSpeed speed, PaceStep step);

// Holds the step at the present speed, unless the computer has been asked to
// yield or nobody watches.
void HoldStep(PaceStep step);

// Asks the computer's play to end at its next step boundary (never within a
// pair): the holds left end at once. The next call of PlayComputerTurns plays
// on from where it stopped.
void AskComputerToYield();
bool ComputerAskedToYield();
// A new call of PlayComputerTurns starts unasked.
void ClearYieldRequest();
