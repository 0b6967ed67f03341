#include "platform/ui/input_hold.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "platform/frame_pause.h"

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

// Whether input for the receiver goes where it was meant to: no menu is open,
// or the receiver is the open menu.
bool ForOpenPopup(const QObject* receiver) {
  const QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr) {
    return true;
  }
  for (const QObject* object = receiver; object != nullptr; object = object->parent()) {
    if (object == popup || object == popup->windowHandle()) {
      return true;
    }
  }
  return false;
}

}  // namespace

InputHold::InputHold(QWidget* mainWindow) : m_pMainWindow(mainWindow) {
  QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() = default;

InputHold::Busy::Busy(InputHold& hold) : m_hold(hold) {
  ++m_hold.m_nDepth;
}

InputHold::Busy::~Busy() {
  if (--m_hold.m_nDepth == 0 && !m_hold.m_bDelivering) {
    m_hold.Deliver();
  }
}

void InputHold::SetWatching(QWidget* board) {
  m_pWatchedBoard = board;
  if (board != nullptr) {
    Deliver();
  }
}

bool InputHold::InMainWindow(const QObject* receiver) const {
  if (m_pMainWindow == nullptr) {
    return false;
  }
  // The window system's events reach the window first, then its widgets;
  // shortcuts and actions belong to the widget that owns them. A dialog is
  // owned by the main window but is a window of its own.
  const QObject* object = receiver;
  while (object != nullptr && !object->isWidgetType() && !object->isWindowType()) {
    object = object->parent();
  }
  if (object == nullptr) {
    return false;
  }
  if (object->isWindowType()) {
    return object == m_pMainWindow->windowHandle();
  }
  return static_cast<const QWidget*>(object)->window() == m_pMainWindow;
}

bool InputHold::ForWindowControls(const QObject* receiver, const QEvent* event) const {
  if (m_pControls == nullptr) {
    return false;
  }
  for (const QObject* object = receiver; object != nullptr; object = object->parent()) {
    if (object == m_pControls) {
      return true;
    }
  }
  // The window receives a mouse event before the widget under the pointer.
  const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
  if (mouse == nullptr || receiver != m_pMainWindow->windowHandle()) {
    return false;
  }
  const QRect controls(m_pControls->mapTo(m_pMainWindow, QPoint()), m_pControls->size());
  return controls.contains(mouse->position().toPoint());
}

bool InputHold::ShouldDrop(const QObject* receiver, const QEvent* event) const {
  if (m_pWatchedBoard == nullptr || event->type() == QEvent::Close || !IsUserInput(event->type())) {
    return false;
  }
  for (const QObject* object = receiver; object != nullptr; object = object->parent()) {
    if (object == m_pWatchedBoard) {
      return true;
    }
  }
  return false;
}

bool InputHold::ShouldHold(QObject* receiver, const QEvent* event) const {
  if (m_pWatchedBoard != nullptr) {
    return false;
  }
  if (m_nDepth == 0 || !IsUserInput(event->type()) || ForWindowControls(receiver, event)) {
    return false;
  }
  const bool inMainWindow = InMainWindow(receiver);
  if (event->type() == QEvent::Close && inMainWindow) {
    return false;
  }
  // Outside a pause the handler runs a modal loop (a dialog, a message box):
  // that window's input is its own to handle.
  return IsPausing() || inMainWindow;
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event) {
  if (ShouldDrop(receiver, event)) {
    return true;
  }
  if (!ShouldHold(receiver, event)) {
    return false;
  }
  m_held.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

void InputHold::Deliver() {
  // A watch may begin inside a delivery (a held release of STOP hands the
  // turn to the computer); the outer loop then finds the queue empty.
  const bool wasDelivering = m_bDelivering;
  m_bDelivering = true;
  while (!m_held.empty()) {
    HeldEvent held = std::move(m_held.front());
    m_held.pop_front();
    // Input is replayed only to the window it was meant for. Once a replayed
    // key has opened a menu, the rest was not meant for that menu: a menu
    // opened from it would stand on one the window system has not shown yet
    // (on Wayland, a popup that is not the topmost one ends the program).
    if (held.receiver == nullptr || !ForOpenPopup(held.receiver)) {
      continue;
    }
    // A handler this starts holds the input that arrives meanwhile behind
    // what is already queued, and leaves its delivery to this loop.
    QCoreApplication::sendEvent(held.receiver, held.event.get());
    // A menu item sends its command queued: it runs before the next event.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
  }
  m_bDelivering = wasDelivering;
}
