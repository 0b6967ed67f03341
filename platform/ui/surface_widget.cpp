#include "platform/ui/surface_widget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <chrono>
#include <cmath>

#include "platform/frame_pause.h"
#include "platform/ui/message_map.h"
#include "platform/ui/screen_fit.h"

namespace {

// The least time a frame of an animation stays on the screen: one refresh of
// a common display.
constexpr std::chrono::nanoseconds kFrame{1'000'000'000 / 60};

// A key pressed with no Ctrl, Alt or Meta, as its virtual-key code; 0 for the
// keys that have none here.
UINT VirtualKeyOf(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return 0;
  }
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    return VK_RETURN;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return event->modifiers() & Qt::KeypadModifier ? VK_NUMPAD0 + static_cast<UINT>(key - Qt::Key_0)
                                                   : static_cast<UINT>(key);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    return static_cast<UINT>(key);
  }
  return 0;
}

}  // namespace

CPoint SurfacePointAt(QPointF logical, qreal devicePixelRatio, int scale) {
  const qreal perSurfacePixel = scale / devicePixelRatio;
  return CPoint{static_cast<int>(std::floor(logical.x() / perSurfacePixel)),
                static_cast<int>(std::floor(logical.y() / perSurfacePixel))};
}

CSurfaceWidget::CSurfaceWidget(CWnd* pWnd, Owner* pOwner, QWidget* parent)
    : QWidget(parent), m_pWnd(pWnd), m_pOwner(pOwner) {
  // The surface covers every pixel: Qt need not erase anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // The board takes the keyboard as soon as its window is active.
  setFocusPolicy(Qt::StrongFocus);
  FitToScreen();
}

void CSurfaceWidget::FitToScreen() {
  const qreal ratio = devicePixelRatioF();
  const QSize surface(m_pWnd->ClientWidth(), m_pWnd->ClientHeight());
  const QWidget* top = window();
  // The menu bar and the window manager's frame come on top of the surface.
  const QSize chrome = top->frameGeometry().size() - top->geometry().size() +
                       (top == this ? QSize() : top->sizeHint() - size());
  const QSize available = screen() != nullptr ? screen()->availableGeometry().size() : QSize();
  m_nScale = available.isEmpty() ? 1 : SurfaceScale(surface, ratio, chrome, available);
  setFixedSize(LogicalSurfaceSize(surface, ratio, m_nScale));
}

QRect CSurfaceWidget::LogicalRect(const QRect& surfacePixels) const {
  const qreal perSurfacePixel = m_nScale / devicePixelRatioF();
  return QRectF(surfacePixels.x() * perSurfacePixel, surfacePixels.y() * perSurfacePixel,
                surfacePixels.width() * perSurfacePixel, surfacePixels.height() * perSurfacePixel)
      .toAlignedRect();
}

void CSurfaceWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitToScreen();
  QWindow* window = this->window()->windowHandle();
  if (window != nullptr && !m_bFollowingScreen) {
    m_bFollowingScreen = true;
    connect(window, &QWindow::screenChanged, this, [this] { FitToScreen(); });
  }
}

void CSurfaceWidget::Present() {
  if (!isVisible()) {
    return;
  }
  // Frames are paced only where the animation pauses between them: with no
  // pause (nobody watching, or the window closing) each goes up at once.
  if (m_sinceFrame.isValid() && FramePauseLength().count() > 0) {
    const auto shown = std::chrono::nanoseconds{m_sinceFrame.nsecsElapsed()};
    PauseAnswering(kFrame - shown, [this] { return !isVisible(); });
    // The window may have been closed while we waited.
    if (!isVisible()) {
      return;
    }
  }
  repaint();
  m_sinceFrame.start();
}

void CSurfaceWidget::paintEvent(QPaintEvent* /*event*/) {
  if (!m_bSurfaceValid) {
    m_bSurfaceValid = true;
    m_pOwner->RebuildSurface();
  }
  const QImage* surface = m_pWnd->ClientSurface();
  if (surface == nullptr) {
    return;
  }
  QPainter painter(this);
  // Work in device pixels so every surface pixel becomes a whole square of them.
  const qreal ratio = devicePixelRatioF();
  painter.scale(1 / ratio, 1 / ratio);
  const QRect shown(0, 0, surface->width() * m_nScale, surface->height() * m_nScale);
  // At a fractional ratio the widget ends part of a device pixel past the surface.
  const QRect device(0, 0, static_cast<int>(std::ceil(width() * ratio)),
                     static_cast<int>(std::ceil(height() * ratio)));
  if (!shown.contains(device)) {
    painter.fillRect(device, palette().window());
  }
  painter.drawImage(shown, *surface);
}

void CSurfaceWidget::SendMouse(UINT message, const QMouseEvent* event) {
  m_pOwner->OnSurfaceMouse(message, event->buttons().testFlag(Qt::LeftButton) ? MK_LBUTTON : 0,
                           SurfacePointAt(event->position(), devicePixelRatioF(), m_nScale));
}

void CSurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SendMouse(WM_LBUTTONDOWN, event);
  }
}

void CSurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SendMouse(WM_LBUTTONUP, event);
  }
}

// Qt delivers a double click as press, release, double click, release: the
// second press arrives here, as the view expects.
void CSurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SendMouse(WM_LBUTTONDBLCLK, event);
  }
}

void CSurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  SendMouse(WM_MOUSEMOVE, event);
}

// A key held down acts once: its repeats would toggle a die back and forth.
void CSurfaceWidget::keyPressEvent(QKeyEvent* event) {
  const UINT nChar = VirtualKeyOf(event);
  if (nChar == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) {
    m_pOwner->OnSurfaceKey(nChar);
  }
}
