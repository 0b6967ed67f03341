#include "app/hint_words.h"

#include <QCoreApplication>
#include <cmath>

#include "app/status_line.h"
#include "game/dice.h"

namespace {

QString Percent(double chance) {
  return QString::number(static_cast<int>(std::lround(100 * chance)));
}

}  // namespace

QString HintWords(const Hint& hint) {
  switch (hint.kind) {
    case Hint::Kind::kPair: {
      const int first = g_Dice[hint.die[0]].m_nValue;
      const int second = g_Dice[hint.die[1]].m_nValue;
      return QCoreApplication::translate("Hint", "Hint: play %1 and %2, column %3")
          .arg(first)
          .arg(second)
          .arg(first + second);
    }
    case Hint::Kind::kRoll:
      return QCoreApplication::translate("Hint",
                                         "Hint: roll again. The next throw busts %1 % of the time")
          .arg(Percent(hint.bustChance));
    case Hint::Kind::kStop:
      return QCoreApplication::translate("Hint",
                                         "Hint: stop. The next throw would bust %1 % of the time")
          .arg(Percent(hint.bustChance));
    case Hint::Kind::kNone:
      break;
  }
  return QCoreApplication::translate("Hint", "No hint now");
}

void GiveHint() {
  const Hint hint = HintForSeatToMove();
  MarkHintedPair(hint);
  ShowStatusMessage(HintWords(hint));
}
