// The strong computer on the game in progress: reads the board and the dice,
// asks the turn planner, and plays through the rules' own operations.
#pragma once

#include <vector>

#include "ai/turn_planner.h"
#include "game/white_pegs.h"

// The board of the seat to move, as the planner reads it.
PlannerBoard PlannerBoardOfSeatToMove();
// White pegs in the planner's order, columns ascending.
PegState PegStateOf(const CWhitePegs& pegs);

// One way to play the dice on the table: one pair or two, in the order played.
struct ThrowPlay {
  int nPairs = 0;
  int die[2][2] = {};
  int sum[2] = {};
  PegState after;
};

// Every way to play the dice not yet used, each tried on a copy of the white
// pegs with the rules' own Advance; the same white pegs reached in two ways
// are listed once.
std::vector<ThrowPlay> WaysToPlay();

// The planner of the process, prepared for the seat to move.
CTurnPlanner& PlannerForSeatToMove();

// The next decision plans afresh (for timing a turn's first decision).
void ForgetPlans();

// The best way to play the dice on the table (there must be one), and its value.
ThrowPlay BestPlay(double* pValue = nullptr);

// After a move: the strong computer rolls again rather than stops.
bool StrongWouldRoll();

// Plays the best way for the throw on the table and shows it as the classic
// computer shows its pairs.
void PlayStrongMove();
