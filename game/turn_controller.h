// A person's turn with the left button on the board: the board view's four
// mouse handlers pass their messages to these. Rolling again and stopping are
// the turn passing's (turn_passing.h), the computer's side PlayComputerTurns.
#pragma once

#include "platform/types.h"

// A press at a board point: moves the computer on when a computer seat is to
// move, presses ROLL or STOP when they are live, and picks or puts back the
// die under the point.
void PressOnBoard(CPoint point);
// A release, wherever it is: rolls or stops for the button held, and ends the
// press on a die.
void ReleaseOnBoard();
// A double-click: plays the pair of chosen dice when their sum may advance.
void PlaySelectedPair();
// Leaving both buttons cancels a held one.
void MoveOverBoard(CPoint point);
