#include "game/game_state.h"

#include "game/board_display.h"
#include "game/computer_hand_over.h"
#include "game/dice.h"
#include "game/play_events.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"

const int g_nColumnHeight[13] = {0, 0, 3, 5, 7, 9, 11, 13, 11, 9, 7, 5, 3};

int g_nPlayers = 2;
int g_nColumnsToWin = 3;
int g_nPlayerType[4] = {kHumanSeat, kHumanSeat, kHumanSeat, kHumanSeat};
int g_nCurrentPlayer = 0;
int g_nWinner = 0;
int g_nProgress[4][13] = {};

int g_bPairPlayed = 0;
int g_bRollPressed = 0;
int g_bStopPressed = 0;
int g_bDieClicked = 0;
int g_bBoardDrawn = 0;
int g_bNoWinner = 0;

bool IsGameOver() {
  return g_nWinner > 0 || g_bNoWinner == 1;
}

int Claimant(int column) {
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (HasClaimed(seat, column)) {
      return seat;
    }
  }
  return -1;
}

int ClaimedCount(int seat) {
  int count = 0;
  // Without branches: the turn passing asks it of every seat at every turn.
  for (int column = 2; column <= 12; ++column) {
    count += HasClaimed(seat, column) ? 1 : 0;
  }
  return count;
}

void NewGame() {
  ReportPlayEvent({PlayEventKind::kNewGame, -1});
  g_WhitePegs.Clear();
  g_nWinner = 0;
  g_bNoWinner = 0;
  g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    if (die.m_bSelected == 1) {
      die.m_bSelected = 0;
      die.m_bRedraw = 1;
    }
  }
  for (auto& row : g_nProgress) {
    for (int& cell : row) {
      cell = 0;
    }
  }
  ThrowDice();
  g_nCurrentPlayer = 0;
  RepaintNow();
  if (g_nPlayerType[0] == kComputerSeat) {
    HandOverToComputer();
  }
}

void RepaintNow() {
  if (CBoardDisplay* display = BoardDisplay()) {
    display->Repaint();
  }
}

void ResetGameState() {
  g_nPlayers = 2;
  g_nColumnsToWin = 3;
  for (int& type : g_nPlayerType) {
    type = kHumanSeat;
  }
  g_nCurrentPlayer = 0;
  g_nWinner = 0;
  g_bNoWinner = 0;
  for (auto& row : g_nProgress) {
    for (int& cell : row) {
      cell = 0;
    }
  }
  g_bPairPlayed = g_bRollPressed = g_bStopPressed = g_bDieClicked = g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    die.m_bRedraw = 0;
    die.m_bSelected = 0;
    die.m_nValue = 1;
  }
  g_WhitePegs.Clear();
}

void PrepareFirstGame(std::uint32_t seed) {
  SeedRandom(seed);
  for (CDie& die : g_Dice) {
    die.m_bSelected = 0;
    die.m_bRedraw = 1;
  }
  ThrowDice();
  g_nCurrentPlayer = 0;
}
