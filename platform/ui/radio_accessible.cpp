#include "platform/ui/radio_accessible.h"

#include "platform/ui/button.h"

RadioAccessible::RadioAccessible(ManualRadioButton* radio)
    : QAccessibleWidget(radio, QAccessible::RadioButton) {}

ManualRadioButton* RadioAccessible::Radio() const {
  return static_cast<ManualRadioButton*>(widget());
}

QString RadioAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
    QString name = Radio()->text();
    return name.remove(QLatin1Char('&'));
  }
  return QAccessibleWidget::text(t);
}

QAccessible::State RadioAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.checkable = true;
  state.checked = Radio()->isChecked();
  return state;
}

QStringList RadioAccessible::actionNames() const {
  QStringList names;
  if (widget()->isEnabled()) {
    names << toggleAction() << pressAction();
  }
  return names << QAccessibleWidget::actionNames();
}

void RadioAccessible::doAction(const QString& actionName) {
  if (actionName != toggleAction() && actionName != pressAction()) {
    QAccessibleWidget::doAction(actionName);
  } else if (widget()->isEnabled()) {
    Radio()->click();
  }
}
