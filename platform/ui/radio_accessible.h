// A manual radio button as a screen reader sees it: a checkable radio whose
// toggle and press actions click it, so that the dialog's click handler moves
// the check marks as it does for a click with the mouse. Qt's own radio
// accessible flips the check mark behind the dialog's back instead.
#pragma once

#include <QAccessibleWidget>

class ManualRadioButton;

class RadioAccessible : public QAccessibleWidget {
 public:
  explicit RadioAccessible(ManualRadioButton* radio);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  ManualRadioButton* Radio() const;
};
