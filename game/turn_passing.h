// The turn passing, for a person and the computer alike: rolling again,
// stopping, passing the turn, the win test and the ending without a winner.
#pragma once

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
