// What must hold between any two inputs, whatever the game did. The claims
// and open columns are worked out here from the pegs on the board, not with
// the rules' own helpers, so that a fault in those shows.
#pragma once

#include <string>

// Checks the whole game state; returns an empty string when it is sound,
// else a description of the first fault found.
std::string GameStateFault();

// The columns whose top cell the seat's peg has reached.
int ColumnsClaimedBy(int seat);
// The columns 2 … 12 no seat has claimed.
int ColumnsOpen();
// The first seat, in seat order, with g_nColumnsToWin claims; -1 for none.
int FirstSeatWithColumnsToWin();
