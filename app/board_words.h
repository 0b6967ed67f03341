// The board in words, for a screen reader: each part as the board shows it,
// read from the game state whenever it is asked for.
#pragma once

#include <QString>

// "Top-left die: 6", or "Top-left die: used" once it is played; dice 0 … 3
// are top-left, top-right, bottom-left and bottom-right.
QString DieName(int die);
// The die can be chosen, or put back, now.
bool DieAvailable(int die);

// The pegs of a column, 2 … 12: "Column 7: Player 1 at 3, Player 2 at 1,
// white peg at 5", where cells count from 1 at the bottom and seats without a
// peg there are left out; "Column 12: claimed by Player 2", the other pegs
// no longer counting; "Column 2: empty".
QString ColumnName(int column);
// "13 cells".
QString ColumnDescription(int column);

// What the banner shows: the seat to move ("Player 1"), the winner
// ("Winner 2") or "No Winner".
QString BannerText();
