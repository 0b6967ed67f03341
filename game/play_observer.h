// A watcher of play for tools that tally whole games, such as the simulator.
// The game keeps no tallies of its own: it only tells the one installed
// watcher, if any, of each throw the turn flow makes.
#pragma once

enum class ThrowKind {
  kFirstThrow,  // the first throw of a seat's turn, made when the turn passes
  kRollAgain,   // ROLL, pressed by a person or by the computer
};

class CPlayObserver {
 public:
  virtual ~CPlayObserver() = default;
  // All four dice have settled; bPlayable is false when no pair can be played.
  virtual void OnThrow(ThrowKind kind, bool bPlayable) = 0;
};

// Installs the watcher (null removes it); returns the one installed before.
CPlayObserver* SetPlayObserver(CPlayObserver* pObserver);

// Tells the watcher of a throw.
void ReportThrow(ThrowKind kind, bool bPlayable);
