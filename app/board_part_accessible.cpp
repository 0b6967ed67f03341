#include "app/board_part_accessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>

#include "app/board_message.h"
#include "app/board_words.h"
#include "board/layout.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/surface_widget.h"

namespace {

QRect RectOf(const CArea& area) {
  return QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom));
}

// From the bottom cell's lowest hole to the top cell's highest.
QRect ColumnRect(int column) {
  QRect cells;
  for (int cell = 0; cell < g_nColumnHeight[column]; ++cell) {
    const CPoint point = g_ptCell[column][cell];
    cells |= QRect(point.x, point.y, g_ptQuadrant[3].x + kHoleSize, g_ptQuadrant[3].y + kHoleSize);
  }
  return cells;
}

}  // namespace

BoardPartAccessible::BoardPartAccessible(CSurfaceWidget* board, Kind kind, int number)
    : m_pBoard(board), m_kind(kind), m_nNumber(number) {}

bool BoardPartAccessible::isValid() const {
  return m_pBoard != nullptr;
}

QObject* BoardPartAccessible::object() const {
  return nullptr;
}

QWindow* BoardPartAccessible::window() const {
  return m_pBoard != nullptr ? m_pBoard->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BoardPartAccessible::parent() const {
  return m_pBoard != nullptr ? QAccessible::queryAccessibleInterface(m_pBoard.data()) : nullptr;
}

QAccessibleInterface* BoardPartAccessible::child(int /*index*/) const {
  return nullptr;
}

int BoardPartAccessible::childCount() const {
  return 0;
}

int BoardPartAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
  return -1;
}

QAccessibleInterface* BoardPartAccessible::childAt(int /*x*/, int /*y*/) const {
  return nullptr;
}

QString BoardPartAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    switch (m_kind) {
      case Kind::kDie:
        return DieName(m_nNumber);
      case Kind::kRoll:
        return QStringLiteral("ROLL");
      case Kind::kStop:
        return QStringLiteral("STOP");
      case Kind::kColumn:
        return ColumnName(m_nNumber);
      case Kind::kBanner:
        return BannerText();
      case Kind::kMessage:
        return BoardMessageText();
    }
  }
  if (t == QAccessible::Description) {
    switch (m_kind) {
      case Kind::kRoll:
        return QStringLiteral("Throw the four dice again");
      case Kind::kStop:
        return QStringLiteral("Keep what you climbed and pass the turn");
      case Kind::kColumn:
        return ColumnDescription(m_nNumber);
      case Kind::kDie:
      case Kind::kBanner:
      case Kind::kMessage:
        break;
    }
  }
  return QString();
}

void BoardPartAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/) {}

QRect BoardPartAccessible::rect() const {
  if (m_pBoard == nullptr) {
    return QRect();
  }
  QRect area;
  switch (m_kind) {
    case Kind::kDie:
      area = RectOf(DieArea(m_nNumber));
      break;
    case Kind::kRoll:
      area = RectOf(kRollArea);
      break;
    case Kind::kStop:
      area = RectOf(kStopArea);
      break;
    case Kind::kColumn:
      area = ColumnRect(m_nNumber);
      break;
    case Kind::kBanner:
      area = QRect(kBannerPlace.x, kBannerPlace.y, kBannerWidth, kBannerHeight);
      break;
    case Kind::kMessage:
      area = BoardMessageArea();
      break;
  }
  const QRect shown =
      m_pBoard->LogicalRect(area.translated(CFrameWnd::kViewEdge, CFrameWnd::kViewEdge));
  return shown.translated(m_pBoard->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role BoardPartAccessible::role() const {
  switch (m_kind) {
    case Kind::kDie:
      return QAccessible::CheckBox;
    case Kind::kRoll:
    case Kind::kStop:
      return QAccessible::PushButton;
    case Kind::kMessage:
      return QAccessible::AlertMessage;
    case Kind::kColumn:
    case Kind::kBanner:
      break;
  }
  return QAccessible::StaticText;
}

QAccessible::State BoardPartAccessible::state() const {
  QAccessible::State state;
  switch (m_kind) {
    case Kind::kDie:
      state.checkable = true;
      state.checked = g_Dice[m_nNumber].m_bSelected == 1;
      state.disabled = !DieAvailable(m_nNumber);
      break;
    case Kind::kRoll:
    case Kind::kStop:
      state.disabled = !ButtonsAvailable();
      break;
    case Kind::kColumn:
    case Kind::kBanner:
      state.readOnly = true;
      break;
    case Kind::kMessage:
      state.readOnly = true;
      state.invisible = BoardMessageText().isEmpty();
      break;
  }
  return state;
}

void* BoardPartAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface && Key() != 0) {
    return static_cast<QAccessibleActionInterface*>(this);
  }
  return nullptr;
}

QStringList BoardPartAccessible::actionNames() const {
  return {pressAction()};
}

// The key goes the way a key pressed by hand goes: it waits, like one, while
// the program is busy with a throw or a computer turn.
void BoardPartAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction() && m_pBoard != nullptr) {
    const QString keyText = QKeySequence(Key()).toString().toLower();
    QCoreApplication::postEvent(m_pBoard.data(),
                                new QKeyEvent(QEvent::KeyPress, Key(), Qt::NoModifier, keyText));
  }
}

QStringList BoardPartAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName != pressAction()) {
    return {};
  }
  return {QKeySequence(Key()).toString()};
}

int BoardPartAccessible::Key() const {
  switch (m_kind) {
    case Kind::kDie:
      return Qt::Key_1 + m_nNumber;
    case Kind::kRoll:
      return Qt::Key_R;
    case Kind::kStop:
      return Qt::Key_S;
    case Kind::kColumn:
    case Kind::kBanner:
    case Kind::kMessage:
      break;
  }
  return 0;
}
