// The state of the game in progress. It lives in process-wide variables that
// every part of the program reads and changes directly; nothing keeps a copy.
// Seats are 0 … 3 ("Player 1" … "Player 4"); columns are 2 … 12 and index the
// 13-entry per-column tables directly. Flags hold 0 or 1 and are tested
// against 1.
#pragma once

#include <cstdint>

// Cells of each column, by column number: 3, 5, 7, … 13 … 7, 5, 3.
extern const int g_nColumnHeight[13];

// Seat kinds in g_nPlayerType.
constexpr int kComputerSeat = 1;
constexpr int kHumanSeat = 2;

extern int g_nPlayers;          // seats in play, 2 … 4
extern int g_nColumnsToWin;     // columns a seat must claim to win, 2 … 4
extern int g_nPlayerType[4];    // kComputerSeat or kHumanSeat per seat
extern int g_nCurrentPlayer;    // the seat to move
extern int g_nWinner;           // 0 while nobody has won, else the winning seat + 1
extern int g_nProgress[4][13];  // committed cell per seat and column, from 1; 0 = no peg

extern int g_bPairPlayed;   // a pair was played since the last roll: ROLL and STOP are live
extern int g_bRollPressed;  // the left button is held on the live ROLL button
extern int g_bStopPressed;  // the left button is held on the live STOP button
extern int g_bDieClicked;   // the present press has toggled a die
extern int g_bBoardDrawn;   // the board background is on the screen
// The game ended with nobody winning: every column that could still decide it
// is out of reach. Set by the turn passing, cleared by NewGame.
extern int g_bNoWinner;

// The game is over, won or not: board input is ignored until a new game.
bool IsGameOver();

// ROLL and STOP are live once a pair of the present throw is played.
inline bool ButtonsLive() {
  return g_bPairPlayed == 1;
}

// A seat has claimed column c when its progress there reaches the top cell.
// Inline: the rules ask it for every seat and column many times a throw.
inline bool HasClaimed(int seat, int column) {
  return g_nProgress[seat][column] == g_nColumnHeight[column];
}
// The number of columns 2 … 12 the seat has claimed.
int ClaimedCount(int seat);
// The seat that has claimed column c, or -1.
int Claimant(int column);

// Starts a new game with the present options; plays the computer's turns
// first when seat 0 is a computer seat.
void NewGame();

// Paints the whole board from the present state on the main window, now.
void RepaintNow();

// Puts every variable of the game back to what the program starts with:
// two seats of people, three columns to win, no pegs, dice showing 1.
void ResetGameState();

// The first position after start-up: seeds the random source (with the
// calendar time in seconds, unless the user fixed a seed) and throws seat 0's
// first roll. Unlike NewGame it resets nothing else.
void PrepareFirstGame(std::uint32_t seed);
