#include "platform/ui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace {

// n × numerator / denominator, rounded half away from zero.
int MulDiv(int n, int numerator, int denominator) {
  const long long product = static_cast<long long>(n) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

}  // namespace

DialogBaseUnits GetDialogBaseUnits(const QFont& font) {
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(font);
  // Half the width of 26 letters, rounded up at .5: the mean of 52, rounded.
  const int averageWidth = (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
  return {averageWidth, metrics.height()};
}

QRect MapDialogRect(const QRect& units, DialogBaseUnits base) {
  return {MulDiv(units.x(), base.cx, 4), MulDiv(units.y(), base.cy, 8),
          MulDiv(units.width(), base.cx, 4), MulDiv(units.height(), base.cy, 8)};
}
