#include "support/game_snapshot.h"

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

GameSnapshot::GameSnapshot() {
  for (int seat = 0; seat < 4; ++seat) {
    for (int column = 0; column < 13; ++column) {
      progress[seat * 13 + column] = g_nProgress[seat][column];
    }
  }
  for (int d = 0; d < 4; ++d) {
    const CDie& die = g_Dice[d];
    dice[d * 4] = die.m_nValue;
    dice[d * 4 + 1] = die.m_bSelected;
    dice[d * 4 + 2] = die.m_bRedraw;
    dice[d * 4 + 3] = die.m_nIndex;
  }
  whitePegs = {g_WhitePegs.m_nCount,     g_WhitePegs.m_nColumn[0], g_WhitePegs.m_nColumn[1],
               g_WhitePegs.m_nColumn[2], g_WhitePegs.m_nHeight[0], g_WhitePegs.m_nHeight[1],
               g_WhitePegs.m_nHeight[2]};
  scalars = {g_nPlayers,       g_nColumnsToWin,  g_nPlayerType[0], g_nPlayerType[1],
             g_nPlayerType[2], g_nPlayerType[3], g_nCurrentPlayer, g_nWinner,
             g_bNoWinner,      g_bPairPlayed,    g_bRollPressed,   g_bStopPressed,
             g_bDieClicked};
}
