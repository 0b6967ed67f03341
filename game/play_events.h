// What happened in play that a person should be told of: a bust, a seat with
// no play, a stop, a claim, the end of the game. The rules tell the one installed
// listener (the window shell shows and speaks it); they wait for nothing.
#pragma once

enum class PlayEventKind {
  kBust,      // a throw after ROLL allows no pair: the seat's white pegs are lost
  kNoPlay,    // the first throw of a seat's turn allows no pair: the turn passes
  kStop,      // a seat stopped: its white pegs have become its pegs
  kClaim,     // a stop claimed one or more columns
  kWin,       // the seat has claimed enough columns
  kNoWinner,  // no seat can win any more
  kNewGame,   // a new game has begun
};

struct PlayEvent {
  PlayEventKind kind;
  int seat;  // the seat it happened to; -1 for the game as a whole
  // Bit c set for each column c: claimed (a claim), or where the white pegs
  // stood (a stop).
  unsigned columns = 0;
};

class CPlayListener {
 public:
  virtual ~CPlayListener() = default;
  virtual void OnPlayEvent(const PlayEvent& event) = 0;
};

// Installs the listener (null removes it); returns the one installed before.
CPlayListener* SetPlayListener(CPlayListener* pListener);
bool HasPlayListener();

// Tells the listener, if any.
void ReportPlayEvent(const PlayEvent& event);
