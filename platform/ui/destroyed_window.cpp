#include "platform/ui/destroyed_window.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QWidget>

DestroyedWindowWatch::DestroyedWindowWatch(QWidget* window) : m_pWindow(window) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowWatch::~DestroyedWindowWatch() {
  QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                             qintptr* /*result*/) {
  // Only X11 lets another client destroy a window of ours.
  if (eventType != "xcb_generic_event_t" || m_pWindow == nullptr) {
    return false;
  }
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) {
    return false;
  }
  const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
  if (destroyed->window == m_pWindow->internalWinId()) {
    // Not from inside the window system's event handling.
    QMetaObject::invokeMethod(m_pWindow, &QWidget::close, Qt::QueuedConnection);
  }
  return false;
}
