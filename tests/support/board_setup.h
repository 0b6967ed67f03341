// Shortcuts for laying out a position on the board.
#pragma once

#include <initializer_list>

// Gives the seat the top cell of each column.
void Claim(int seat, std::initializer_list<int> columns);
// Claims for seats 0, 1, … in turn: Claims({{2, 3}, {}, {7}}).
void Claims(std::initializer_list<std::initializer_list<int>> bySeat);

// The cell of the white peg in the column; 0 when no white peg is there.
int WhitePegHeight(int column);
