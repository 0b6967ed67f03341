#include "app/board_words.h"

#include <QStringList>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

namespace {

constexpr const char* kDiePlaces[4] = {"Top-left", "Top-right", "Bottom-left", "Bottom-right"};

QString Seat(int seat) {
  return QStringLiteral("Player %1").arg(seat + 1);
}

}  // namespace

QString DieName(int die) {
  const int face = g_Dice[die].m_nValue;
  return QStringLiteral("%1 die: %2")
      .arg(QLatin1String(kDiePlaces[die]),
           face == 0 ? QStringLiteral("used") : QString::number(face));
}

bool DieAvailable(int die) {
  return g_Dice[die].m_nValue != 0 && !IsGameOver();
}

QString ColumnName(int column) {
  const QString title = QStringLiteral("Column %1: ").arg(column);
  if (const int claimant = Claimant(column); claimant >= 0) {
    return title + QStringLiteral("claimed by ") + Seat(claimant);
  }
  QStringList pegs;
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (g_nProgress[seat][column] > 0) {
      pegs << QStringLiteral("%1 at %2").arg(Seat(seat)).arg(g_nProgress[seat][column]);
    }
  }
  for (int slot = 0; slot < g_WhitePegs.m_nCount; ++slot) {
    if (g_WhitePegs.Get(slot, kGetColumn) == column) {
      pegs << QStringLiteral("white peg at %1").arg(g_WhitePegs.Get(slot, kGetHeight));
    }
  }
  return title + (pegs.isEmpty() ? QStringLiteral("empty") : pegs.join(QStringLiteral(", ")));
}

QString ColumnDescription(int column) {
  return QStringLiteral("%1 cells").arg(g_nColumnHeight[column]);
}

QString BannerText() {
  if (g_nWinner != 0) {
    return QStringLiteral("Winner %1").arg(g_nWinner);
  }
  if (g_bNoWinner == 1) {
    return QStringLiteral("No Winner");
  }
  return Seat(g_nCurrentPlayer);
}
