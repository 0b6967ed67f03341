// The turn flow: a person's left button on the board, rolling again,
// stopping, passing the turn, the win test and the ending without a winner.
// The board view's four mouse handlers pass their messages to the first four
// functions; the computer's side is PlayComputerTurns.
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

// The seat to move throws again: a throw it cannot play is a bust, which
// clears its white pegs and passes the turn. True when the throw is playable.
bool ThrowAgain();
// The seat to move stops: its white pegs become its pegs and the turn passes.
void StopAndPassTurn();

// Makes the next seat with a playable first throw the seat to move: throws
// for each seat in turn, clears the white pegs and tests for a winner. Once no
// column is open no throw can be played: then it stops, ending the game
// without a winner unless a seat has won.
void NextPlayer();

// Sets g_nWinner for the first seat whose claims reach g_nColumnsToWin.
void CheckWinner();

// The first seat, in seat order 0 … 3, whose claimed count reaches
// g_nColumnsToWin; -1 when there is none.
int SeatWithWinningClaims();

// The number of columns 2 … 12 that no seat has claimed.
int OpenColumnCount();

// Declares the game over with nobody winning; board input is then ignored
// until a new game.
void EndGameWithoutWinner();
