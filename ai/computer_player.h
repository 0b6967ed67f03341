// The computer player: plays a computer seat's whole turn without input,
// showing every step on the board as a person's turn would look.
#pragma once

// Divisor of the roll-again draw with three white pegs: 3 at the first move of
// every computer turn, doubled after each roll again. Any divisor above the
// largest draw (32767) already means "roll again only on a draw of 1", so the
// doubling stops at the first such value (49152) and never overflows.
extern int g_nRollAgainOdds;

// New columns in the order the computer prefers them: nearest the middle
// first, the lower column first at equal distance.
extern const int ColumnPreference[11];

// Plays computer turns back to back until a person is to move or the game is
// over; in a game of computers only, until the first stop.
void PlayComputerTurns();

// Makes PlayComputerTurns the turn flow's computer to move, for the rest of
// the run.
void InstallComputerPlayer();

class CComputerPlayer {
 public:
  // Presses ROLL: throws the four dice; a throw with no playable pair busts
  // the turn and passes it on.
  void RollAgain();
  // Presses STOP: the white pegs become the seat's pegs; the turn passes on.
  void StopTurn();

  // The move of a throw with no white peg on the board yet.
  void ChooseFirstMove();
  // The move of a throw with one, two or three white pegs on the board.
  void ChooseMove();
  // Shows the dice of the pair (nPairs 1) or of both pairs of the pairing
  // (nPairs 2) whose sum is the column played, and marks them used.
  void ShowMove(int column, int s01, int s02, int s03, int s12, int s13, int s23, int nPairs);

  int m_bStopped = 0;  // a computer seat has stopped during this call of the driver

 private:
  bool PlayDouble(const int sums[6]);
  // sumColumns: the set of columns the sums name, bit c for column c.
  bool PlayNewColumn(const int sums[6], unsigned sumColumns);
  void ShowMove(int column, const int sums[6], int nPairs);
};
