#include "support/game_invariants.h"

#include <cstdlib>
#include <string>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

namespace {

bool IsFlag(int value) {
  return value == 0 || value == 1;
}

// Cells of a column: 13 in column 7, two fewer for each column further out.
int Cells(int column) {
  return 13 - 2 * std::abs(column - 7);
}

bool Claimed(int seat, int column) {
  return g_nProgress[seat][column] == Cells(column);
}

bool Open(int column) {
  for (int seat = 0; seat < 4; ++seat) {
    if (Claimed(seat, column)) {
      return false;
    }
  }
  return true;
}

std::string WhitePegsFault() {
  const CWhitePegs& pegs = g_WhitePegs;
  if (pegs.m_nCount < 0 || pegs.m_nCount > 3) {
    return "white-peg count " + std::to_string(pegs.m_nCount);
  }
  for (int slot = 0; slot < 3; ++slot) {
    const int column = pegs.m_nColumn[slot];
    const int height = pegs.m_nHeight[slot];
    const std::string where = "white peg slot " + std::to_string(slot);
    if (slot >= pegs.m_nCount) {
      if (column != 0 || height != 0) {
        return where + " is free but holds column " + std::to_string(column);
      }
      continue;
    }
    if (column < 2 || column > 12) {
      return where + " in column " + std::to_string(column);
    }
    for (int other = 0; other < slot; ++other) {
      if (pegs.m_nColumn[other] == column) {
        return where + " shares column " + std::to_string(column);
      }
    }
    if (height <= g_nProgress[g_nCurrentPlayer][column] || height > Cells(column)) {
      return where + " at height " + std::to_string(height) + " in column " +
             std::to_string(column);
    }
    if (!Open(column)) {
      return where + " in claimed column " + std::to_string(column);
    }
  }
  return {};
}

std::string ProgressFault() {
  for (int column = 2; column <= 12; ++column) {
    int claimants = 0;
    for (int seat = 0; seat < 4; ++seat) {
      const int cell = g_nProgress[seat][column];
      if (cell < 0 || cell > Cells(column)) {
        return "seat " + std::to_string(seat) + " at cell " + std::to_string(cell) + " of column " +
               std::to_string(column);
      }
      claimants += Claimed(seat, column) ? 1 : 0;
    }
    if (claimants > 1) {
      return "column " + std::to_string(column) + " claimed by " + std::to_string(claimants);
    }
  }
  for (int seat = 0; seat < 4; ++seat) {
    if (g_nProgress[seat][0] != 0 || g_nProgress[seat][1] != 0) {
      return "seat " + std::to_string(seat) + " has progress outside the columns";
    }
    if (seat >= g_nPlayers && ColumnsClaimedBy(seat) > 0) {
      return "seat " + std::to_string(seat) + " is not in play but has claims";
    }
  }
  return {};
}

std::string EndingFault() {
  if (g_nWinner < 0 || g_nWinner > g_nPlayers) {
    return "winner " + std::to_string(g_nWinner);
  }
  if (g_nWinner > 0 && ColumnsClaimedBy(g_nWinner - 1) < 2) {
    return "the winner has claimed " + std::to_string(ColumnsClaimedBy(g_nWinner - 1));
  }
  if (g_bNoWinner == 1 && g_nWinner != 0) {
    return "a game both won and without a winner";
  }
  return {};
}

std::string DiceFault() {
  for (const CDie& die : g_Dice) {
    const std::string which = "die " + std::to_string(die.m_nIndex);
    if (die.m_nValue < 0 || die.m_nValue > 6) {
      return which + " shows " + std::to_string(die.m_nValue);
    }
    if (die.m_bSelected > 1 || !IsFlag(die.m_bRedraw)) {
      return which + " has a flag out of range";
    }
    if (die.m_bSelected == 1 && die.m_nValue == 0) {
      return which + " is selected but used";
    }
  }
  return {};
}

std::string FlagsFault() {
  const int flags[] = {g_bPairPlayed, g_bRollPressed, g_bStopPressed,
                       g_bDieClicked, g_bBoardDrawn,  g_bNoWinner};
  for (const int flag : flags) {
    if (!IsFlag(flag)) {
      return "a flag holds " + std::to_string(flag);
    }
  }
  if (g_bRollPressed == 1 && g_bStopPressed == 1) {
    return "ROLL and STOP both held";
  }
  if (g_nPlayers < 2 || g_nPlayers > 4 || g_nCurrentPlayer < 0 || g_nCurrentPlayer >= g_nPlayers) {
    return "seat " + std::to_string(g_nCurrentPlayer) + " of " + std::to_string(g_nPlayers);
  }
  return {};
}

}  // namespace

std::string GameStateFault() {
  for (const auto check : {WhitePegsFault, ProgressFault, EndingFault, DiceFault, FlagsFault}) {
    std::string fault = check();
    if (!fault.empty()) {
      return fault;
    }
  }
  return {};
}

int ColumnsClaimedBy(int seat) {
  int claims = 0;
  for (int column = 2; column <= 12; ++column) {
    claims += Claimed(seat, column) ? 1 : 0;
  }
  return claims;
}

int ColumnsOpen() {
  int open = 0;
  for (int column = 2; column <= 12; ++column) {
    open += Open(column) ? 1 : 0;
  }
  return open;
}

int FirstSeatWithColumnsToWin() {
  for (int seat = 0; seat < 4; ++seat) {
    if (ColumnsClaimedBy(seat) >= g_nColumnsToWin) {
      return seat;
    }
  }
  return -1;
}
