#include "platform/ui/dialog_fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// The room a push button's text wants either side, beyond the text itself.
constexpr int kPushButtonMargin = 8;
// The title bar's icon, its three buttons (window managers may draw minimise
// and maximise even on a dialog) and the margins around them, in lines of the
// title's text.
constexpr int kTitleBarLines = 8;

// As shown when '&' marks the next letter as the control's key.
QString Shown(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1String("&&"), QLatin1String("\x01"));
  shown.remove(QLatin1Char('&'));
  shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return shown;
}

void InsertStrip(QWidget* dialog, const std::vector<FittedControl>& controls, int edge, int width) {
  for (const FittedControl& control : controls) {
    QRect place = control.widget->geometry();
    if (place.x() >= edge) {
      place.translate(width, 0);
    } else if (place.x() + place.width() >= edge) {
      place.setWidth(place.width() + width);
    }
    control.widget->setGeometry(place);
  }
  dialog->setFixedWidth(dialog->width() + width);
}

}  // namespace

int TextWidthNeeded(const QWidget* control, const QString& text) {
  const QFontMetrics metrics = control->fontMetrics();
  if (qobject_cast<const QPushButton*>(control) != nullptr) {
    return metrics.horizontalAdvance(text) + kPushButtonMargin;
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return button->sizeHint().width() - metrics.horizontalAdvance(Shown(button->text())) +
           metrics.horizontalAdvance(Shown(text));
  }
  if (qobject_cast<const QGroupBox*>(control) != nullptr) {
    return metrics.horizontalAdvance(text) + 2 * metrics.height() + 1;
  }
  const auto* label = qobject_cast<const QLabel*>(control);
  if (label != nullptr && label->pixmap().isNull()) {
    return metrics.horizontalAdvance(text);
  }
  return 0;
}

void FitControlsToTexts(QWidget* dialog, const std::vector<FittedControl>& controls) {
  for (const FittedControl& control : controls) {
    QString shown;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control.widget)) {
      shown = button->text();
    } else if (const auto* groupBox = qobject_cast<const QGroupBox*>(control.widget)) {
      shown = groupBox->title();
    } else if (const auto* label = qobject_cast<const QLabel*>(control.widget)) {
      shown = label->text();
    }
    const QRect place = control.widget->geometry();
    const int allowed =
        std::max(place.width(), TextWidthNeeded(control.widget, control.sourceText));
    const int want = TextWidthNeeded(control.widget, shown) - allowed;
    if (want > 0) {
      InsertStrip(dialog, controls, place.x() + place.width(), want);
    }
  }
}

int CaptionWidthNeeded(const QString& caption) {
  // The window manager draws the title in the desktop's font, not the
  // dialog's own.
  QFont title = QApplication::font();
  title.setBold(true);
  const QFontMetrics metrics(title);
  return metrics.horizontalAdvance(caption) + kTitleBarLines * metrics.height();
}

void FitDialogToCaption(QWidget* dialog) {
  const int want = CaptionWidthNeeded(dialog->windowTitle()) - dialog->width();
  if (want <= 0) {
    return;
  }
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->move(child->x() + want / 2, child->y());
  }
  dialog->setFixedWidth(dialog->width() + want);
}
