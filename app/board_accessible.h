// The board as a screen reader sees it: a focusable pane named "Tumbleroad
// board" that describes its keys, holding the four dice, ROLL and STOP, the
// eleven columns and the banner, in that order.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class CSurfaceWidget;

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(CSurfaceWidget* board);
  ~BoardAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* part) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;

 private:
  std::vector<QAccessible::Id> m_parts;
};

// Makes the board's surface known to screen readers as a BoardAccessible.
void InstallBoardAccessibility();
