// The turn flow hands the move to the computer whenever a computer seat is to
// move. The computer player installs itself at start-up; with none installed
// a computer seat simply waits (tests of the rules alone).
#pragma once

class CComputerToMove {
 public:
  virtual ~CComputerToMove() = default;
  // Plays computer turns until a person is to move or the game is over; in a
  // game of computers only, until the first stop.
  virtual void TakeTheMove() = 0;
};

// Installs the computer player (null removes it); returns the one before.
CComputerToMove* SetComputerToMove(CComputerToMove* pComputer);

// Lets the installed computer play.
void HandOverToComputer();
