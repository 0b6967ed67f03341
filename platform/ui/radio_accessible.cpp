#include "platform/ui/radio_accessible.h"

#include "platform/ui/button.h"

namespace {

QAccessibleInterface* RadioAccessibleFactory(const QString& /*className*/, QObject* object) {
  // ManualRadioButton has no meta-object of its own: Qt asks by "QRadioButton".
  if (auto* radio = dynamic_cast<ManualRadioButton*>(object)) {
    return new RadioAccessible(radio);
  }
  return nullptr;
}

}  // namespace

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

void InstallRadioAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(RadioAccessibleFactory);
    return true;
  }();
  static_cast<void>(installed);
}
