#include "game/white_pegs.h"

#include "game/dice.h"
#include "game/game_state.h"

CWhitePegs g_WhitePegs;

namespace {

// The six pair sums of the dice: 0+1, 0+2, 0+3, 1+2, 1+3, 2+3.
void PairSums(int sums[6]) {
  int next = 0;
  for (int first = 0; first < 4; ++first) {
    for (int second = first + 1; second < 4; ++second) {
      sums[next++] = g_Dice[first].m_nValue + g_Dice[second].m_nValue;
    }
  }
}

}  // namespace

void CWhitePegs::Clear() {
  m_nCount = 0;
  for (int slot = 0; slot < 3; ++slot) {
    m_nColumn[slot] = 0;
    m_nHeight[slot] = 0;
  }
}

bool CWhitePegs::Place(int column) {
  if (m_nCount == 3 || !IsColumnOpen(column)) {
    return false;
  }
  const int slot = m_nCount++;
  m_nColumn[slot] = column;
  m_nHeight[slot] = g_nProgress[g_nCurrentPlayer][column] + 1;
  return true;
}

bool CWhitePegs::Advance(int column) {
  for (int slot = 0; slot < 3; ++slot) {
    if (m_nColumn[slot] == column) {
      if (m_nHeight[slot] >= g_nColumnHeight[column]) {
        return false;
      }
      ++m_nHeight[slot];
      return true;
    }
  }
  return Place(column);
}

int CWhitePegs::Get(int index, int what) const {
  switch (what) {
    case kGetColumn:
      return m_nColumn[index];
    case kGetHeight:
      return m_nHeight[index];
    default:
      return m_nCount;
  }
}

void CWhitePegs::Commit() const {
  for (int slot = 0; slot < m_nCount; ++slot) {
    g_nProgress[g_nCurrentPlayer][m_nColumn[slot]] = m_nHeight[slot];
  }
}

bool CWhitePegs::CanAdvance(int column) const {
  int slot = 0;
  if (m_nColumn[2] == column) {
    slot = 2;
  } else if (m_nColumn[1] == column) {
    slot = 1;
  }
  return m_nHeight[slot] != g_nColumnHeight[column];
}

bool CWhitePegs::CanMove() const {
  // The first throw of a turn: any pair naming an open column will do.
  if (m_nCount == 0) {
    return AnyPairOpen();
  }
  int sums[6];
  PairSums(sums);
  for (const int sum : sums) {
    const bool held = m_nColumn[0] == sum || m_nColumn[1] == sum || m_nColumn[2] == sum;
    if (held ? CanAdvance(sum) : (m_nCount < 3 && IsColumnOpen(sum))) {
      return true;
    }
  }
  return false;
}

bool AnyPairOpen() {
  int sums[6];
  PairSums(sums);
  for (const int sum : sums) {
    if (IsColumnOpen(sum)) {
      return true;
    }
  }
  return false;
}
