#include "app/board_part_accessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>

#include "app/board_words.h"
#include "app/status_line.h"
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

using State = QAccessible::State;

QString NoText(int /*number*/) {
  return QString();
}

void ReadOnly(int /*number*/, State& state) {
  state.readOnly = true;
}

void ButtonState(int /*number*/, State& state) {
  state.disabled = !ButtonsLive() || IsGameOver();
}

// What each kind of part is to a screen reader, given the part's number.
struct PartKind {
  QAccessible::Role role;
  QString (*name)(int number);
  QString (*description)(int number);
  QRect (*area)(int number);
  void (*state)(int number, State& state);
  // The key that does what pressing the part does; 0 for none.
  int (*key)(int number);
};

// In the order of BoardPartAccessible::Kind.
const PartKind kPartKinds[] = {
    {QAccessible::CheckBox, DieName, NoText, [](int die) { return RectOf(DieArea(die)); },
     [](int die, State& state) {
       state.checkable = true;
       state.checked = g_Dice[die].m_bSelected == 1;
       state.disabled = !DieAvailable(die);
     },
     [](int die) { return Qt::Key_1 + die; }},
    {QAccessible::PushButton, [](int) { return QCoreApplication::translate("BoardParts", "ROLL"); },
     [](int) { return QCoreApplication::translate("BoardParts", "Throw the four dice again"); },
     [](int) { return RectOf(kRollArea); }, ButtonState, [](int) { return int{Qt::Key_R}; }},
    {QAccessible::PushButton, [](int) { return QCoreApplication::translate("BoardParts", "STOP"); },
     [](int) {
       return QCoreApplication::translate("BoardParts", "Keep what you climbed and pass the turn");
     },
     [](int) { return RectOf(kStopArea); }, ButtonState, [](int) { return int{Qt::Key_S}; }},
    {QAccessible::StaticText, ColumnName, ColumnDescription, ColumnRect, ReadOnly,
     [](int) { return 0; }},
    {QAccessible::StaticText, [](int) { return BannerText(); }, NoText,
     [](int) { return QRect(kBannerPlace.x, kBannerPlace.y, kBannerWidth, kBannerHeight); },
     ReadOnly, [](int) { return 0; }},
    {QAccessible::AlertMessage, [](int) { return StatusMessageText(); }, NoText,
     [](int) { return StatusLineArea(); },
     [](int, State& state) {
       state.readOnly = true;
       state.invisible = StatusMessageText().isEmpty();
     },
     [](int) { return 0; }},
};

const PartKind& KindOf(BoardPartAccessible::Kind kind) {
  return kPartKinds[static_cast<int>(kind)];
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
    return KindOf(m_kind).name(m_nNumber);
  }
  if (t == QAccessible::Description) {
    return KindOf(m_kind).description(m_nNumber);
  }
  return QString();
}

void BoardPartAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/) {}

QRect BoardPartAccessible::rect() const {
  if (m_pBoard == nullptr) {
    return QRect();
  }
  const QRect area = KindOf(m_kind).area(m_nNumber);
  const QRect shown = m_pBoard->LogicalRect(area.translated(kViewEdge, kViewEdge));
  return shown.translated(m_pBoard->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role BoardPartAccessible::role() const {
  return KindOf(m_kind).role;
}

QAccessible::State BoardPartAccessible::state() const {
  State state;
  KindOf(m_kind).state(m_nNumber, state);
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
  return KindOf(m_kind).key(m_nNumber);
}
