#include "app/board_accessible.h"

#include <QCoreApplication>

#include "app/board_part_accessible.h"
#include "platform/ui/surface_widget.h"

namespace {

QAccessibleInterface* BoardAccessibleFactory(const QString& /*key*/, QObject* object) {
  if (auto* board = dynamic_cast<CSurfaceWidget*>(object)) {
    return new BoardAccessible(board);
  }
  return nullptr;
}

}  // namespace

BoardAccessible::BoardAccessible(CSurfaceWidget* board)
    : QAccessibleWidget(board, QAccessible::Pane) {
  using Kind = BoardPartAccessible::Kind;
  const auto add = [&](Kind kind, int number) {
    m_parts.push_back(
        QAccessible::registerAccessibleInterface(new BoardPartAccessible(board, kind, number)));
  };
  for (int die = 0; die < 4; ++die) {
    add(Kind::kDie, die);
  }
  add(Kind::kRoll, 0);
  add(Kind::kStop, 0);
  for (int column = 2; column <= 12; ++column) {
    add(Kind::kColumn, column);
  }
  add(Kind::kBanner, 0);
  add(Kind::kMessage, 0);
}

BoardAccessible::~BoardAccessible() {
  for (const QAccessible::Id part : m_parts) {
    QAccessible::deleteAccessibleInterface(part);
  }
}

int BoardAccessible::childCount() const {
  return static_cast<int>(m_parts.size());
}

QAccessibleInterface* BoardAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) {
    return nullptr;
  }
  return QAccessible::accessibleInterface(m_parts[static_cast<std::size_t>(index)]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* part) const {
  for (int i = 0; i < childCount(); ++i) {
    if (child(i) == part) {
      return i;
    }
  }
  return -1;
}

// The message lies over the columns: the last part listed is the top one.
QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  for (int i = childCount() - 1; i >= 0; --i) {
    QAccessibleInterface* part = child(i);
    if (!part->state().invisible && part->rect().contains(x, y)) {
      return part;
    }
  }
  return nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name:
      return QCoreApplication::translate("BoardParts", "Tumbleroad board");
    case QAccessible::Description:
      return QCoreApplication::translate(
          "BoardParts",
          "Keys: 1, 2, 3 and 4 choose or put back the top-left, top-right, bottom-left and "
          "bottom-right die; Enter plays the two chosen dice as a pair; R presses ROLL; S presses "
          "STOP. F2 starts a new game, F1 opens the help.");
    default:
      return QAccessibleWidget::text(t);
  }
}

void InstallBoardAccessibility() {
  QAccessible::installFactory(BoardAccessibleFactory);
}
