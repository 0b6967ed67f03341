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

// The pace of one watched computer turn, for as long as it lives: whoever
// watches the computer play makes one before the watch begins, so that a yield
// asked as the watch begins (a key held from the person's turn) is the turn's.
// It owns what the turn changes for its own sake: the yield request, and the
// frame pause, which a yield turns off for what is left of its step. When it
// ends, however the turn ended (played out, yielded for a command or a close,
// a new game made meanwhile), the frame pause is back as it was and no yield
// is left asked, unless the program is closing. The speed is the player's
// choice, read at each step, and never changed here.
class TurnPace {
 public:
  TurnPace();
  ~TurnPace();
  TurnPace(const TurnPace&) = delete;
  TurnPace& operator=(const TurnPace&) = delete;

  bool YieldAsked() const { return m_bYieldAsked; }
  // The program is closing: the pauses stay off once the turn has ended.
  void KeepPausesOff() { m_bKeepPausesOff = true; }

 private:
  friend void AskComputerToYield();

  TurnPace* m_pOuter;
  std::chrono::milliseconds m_framePause;
  bool m_bYieldAsked = false;
  bool m_bKeepPausesOff = false;
};

// Asks the watched turn's play to end at its next step boundary (never within
// a pair): the holds and frame pauses left in that step end at once. Nothing
// is asked where no turn is watched. The next call of PlayComputerTurns plays
// on from where it stopped.
void AskComputerToYield();
bool ComputerAskedToYield();
