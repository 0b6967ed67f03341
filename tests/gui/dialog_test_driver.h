// Drives dialogs through their real DoModal: a script runs on the open
// dialog's window from inside its modal loop, as a person's clicks and keys
// would.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "platform/ui/dialog.h"

// DoModal's result when the script left the dialog open; the driver closes it
// so that a faulty dialog fails its test instead of hanging the run.
constexpr int kLeftOpen = -100;

// Runs dlg.DoModal() and plays the script on the dialog once it is up.
inline int RunModal(CDialog& dlg, const std::function<void(QDialog&)>& script) {
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&script] {
    QPointer<QDialog> window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!window) {
      ADD_FAILURE() << "no dialog is open";
      return;
    }
    script(*window);
    if (window && window->isVisible()) {
      window->done(kLeftOpen);
    }
  });
  timer.start(0);
  return dlg.DoModal();
}

// The control of the open dialog with this id (the first one for id -1).
inline QWidget* Control(QDialog& window, int nID) {
  for (QObject* child : window.children()) {
    if (child->property("controlId").toInt() == nID && child->isWidgetType()) {
      return static_cast<QWidget*>(child);
    }
  }
  ADD_FAILURE() << "no control " << nID;
  return nullptr;
}

inline QAbstractButton* ButtonOf(QDialog& window, int nID) {
  return qobject_cast<QAbstractButton*>(Control(window, nID));
}

inline void Click(QDialog& window, int nID) {
  if (QAbstractButton* button = ButtonOf(window, nID)) {
    button->click();
  }
}

inline bool IsChecked(QDialog& window, int nID) {
  QAbstractButton* button = ButtonOf(window, nID);
  return button != nullptr && button->isChecked();
}

// Notes whether a modal window blocks input to a widget.
class BlockWatcher : public QObject {
 public:
  explicit BlockWatcher(QWidget* pWidget) { pWidget->installEventFilter(this); }
  bool m_bBlocked = false;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) {
      m_bBlocked = true;
    } else if (event->type() == QEvent::WindowUnblocked) {
      m_bBlocked = false;
    }
    return false;
  }
};

// A key pressed and released where the dialog has its focus.
inline void PressKey(QDialog& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QPointer<QWidget> target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  if (target) {
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
  }
}
