// The white pegs of the turn in progress: at most three, one per column the
// seat has played this turn. STOP turns them into the seat's own pegs; a bust
// simply removes them.
#pragma once

#include "game/game_state.h"

// What Get reads.
constexpr int kGetCount = 0;
constexpr int kGetColumn = 1;
constexpr int kGetHeight = 2;

class CWhitePegs {
 public:
  // Empties every slot.
  void Clear();
  // Takes the next free slot for a column no slot holds, one cell above the
  // seat's committed peg. Refused when three slots are in use or the column is claimed.
  bool Place(int column);
  // Moves the column's white peg up one cell, or places a new one. Refused
  // when the peg is on the top cell or Place refuses.
  bool Advance(int column);
  // kGetColumn / kGetHeight of slot index; any other what: the slots in use.
  int Get(int index, int what) const;
  // Writes each white peg's height into the seat to move's progress.
  void Commit() const;
  // For a column held by a slot: its white peg is below the top cell.
  bool CanAdvance(int column) const;
  // The bust test: some pair of the four dice can be played.
  bool CanMove() const;

  int m_nHeight[3] = {};  // cell of each slot's peg, from 1; 0 for a free slot
  int m_nCount = 0;       // slots in use; slots 0 … m_nCount − 1
  int m_nColumn[3] = {};  // column of each slot's peg; 0 for a free slot
};

extern CWhitePegs g_WhitePegs;

// No seat has claimed the column. Inline and without branches: the rules and
// the computer ask it of every column several times a throw.
inline bool IsColumnOpen(int column) {
  return !(HasClaimed(0, column) | HasClaimed(1, column) | HasClaimed(2, column) |
           HasClaimed(3, column));
}
// Some pair sum of the four dice names an open column.
bool AnyPairOpen();
