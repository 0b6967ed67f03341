#include "app/board_words.h"

#include <QCoreApplication>
#include <QStringList>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"

namespace {

constexpr const char* kDiePlaces[4] = {QT_TRANSLATE_NOOP("BoardWords", "Top-left die: %1"),
                                       QT_TRANSLATE_NOOP("BoardWords", "Top-right die: %1"),
                                       QT_TRANSLATE_NOOP("BoardWords", "Bottom-left die: %1"),
                                       QT_TRANSLATE_NOOP("BoardWords", "Bottom-right die: %1")};

QString Seat(int seat) {
  return QCoreApplication::translate("BoardWords", "Player %1").arg(seat + 1);
}

}  // namespace

QString DieName(int die) {
  const int face = g_Dice[die].m_nValue;
  return QCoreApplication::translate("BoardWords", kDiePlaces[die])
      .arg(face == 0 ? QCoreApplication::translate("BoardWords", "used") : QString::number(face));
}

bool DieAvailable(int die) {
  return g_Dice[die].m_nValue != 0 && !IsGameOver();
}

QString ColumnName(int column) {
  if (const int claimant = Claimant(column); claimant >= 0) {
    return QCoreApplication::translate("BoardWords", "Column %1: claimed by %2")
        .arg(column)
        .arg(Seat(claimant));
  }
  QStringList pegs;
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (g_nProgress[seat][column] > 0) {
      pegs << QCoreApplication::translate("BoardWords", "%1 at %2")
                  .arg(Seat(seat))
                  .arg(g_nProgress[seat][column]);
    }
  }
  for (int slot = 0; slot < g_WhitePegs.m_nCount; ++slot) {
    if (g_WhitePegs.Get(slot, kGetColumn) == column) {
      pegs << QCoreApplication::translate("BoardWords", "white peg at %1")
                  .arg(g_WhitePegs.Get(slot, kGetHeight));
    }
  }
  return QCoreApplication::translate("BoardWords", "Column %1: %2")
      .arg(column)
      .arg(pegs.isEmpty() ? QCoreApplication::translate("BoardWords", "empty")
                          : pegs.join(QCoreApplication::translate("BoardWords", ", ")));
}

QString ColumnDescription(int column) {
  return QCoreApplication::translate("BoardWords", "%1 cells").arg(g_nColumnHeight[column]);
}

QString BannerText() {
  if (g_nWinner != 0) {
    return QCoreApplication::translate("BoardWords", "Winner %1").arg(g_nWinner);
  }
  if (g_bNoWinner == 1) {
    return QCoreApplication::translate("BoardWords", "No Winner");
  }
  return Seat(g_nCurrentPlayer);
}
