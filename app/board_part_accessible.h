// One part of the board as a screen reader sees it: a die (a check box,
// checked while chosen), ROLL or STOP (push buttons), a column or the banner
// (labels), or the message of what just happened (an alert). A part reads the game state whenever
// it is asked, so it is never out of date; the dice and the buttons have a press action that does
// what their key does.
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class CSurfaceWidget;

class BoardPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  enum class Kind { kDie, kRoll, kStop, kColumn, kBanner, kMessage };

  // The die 0 … 3 or the column 2 … 12 of that kind; 0 for the others.
  BoardPartAccessible(CSurfaceWidget* board, Kind kind, int number);

  bool isValid() const override;
  QObject* object() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  // The key that does what pressing this part does; 0 for none.
  int Key() const;

  QPointer<CSurfaceWidget> m_pBoard;
  Kind m_kind;
  int m_nNumber;
};
