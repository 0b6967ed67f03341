#include "platform/ui/surface_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "platform/frame_pause.h"
#include "platform/ui/changed_region.h"
#include "platform/ui/message_map.h"
#include "platform/ui/screen_fit.h"

namespace {

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
  WaitForFrameDue([this] { return !isVisible(); });
  // The window may have been closed while we waited.
  if (!isVisible()) {
    return;
  }
  const QImage* surface = m_pWnd->ClientSurface();
  if (surface == nullptr) {
    return;
  }
  // A frame the same as the last still takes its place in the schedule.
  const QRegion changed = ChangedRegion(*surface, m_shown) + m_unsure;
  QRegion logical;
  for (const QRect& rect : changed) {
    logical += LogicalRect(rect);
  }
  m_bPresenting = true;
  repaint(logical);
  m_bPresenting = false;
  if (m_shown.size() != surface->size() || m_shown.format() != surface->format()) {
    m_shown = surface->copy();
  } else {
    QPainter copy(&m_shown);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : changed) {
      copy.drawImage(rect.topLeft(), *surface, rect);
    }
  }
  m_unsure = QRegion();
  MarkFrameShown();
}

QRect CSurfaceWidget::SurfaceRect(const QRect& logical) const {
  const qreal perSurfacePixel = m_nScale / devicePixelRatioF();
  const int left = static_cast<int>(std::floor(logical.left() / perSurfacePixel));
  const int top = static_cast<int>(std::floor(logical.top() / perSurfacePixel));
  const int right = static_cast<int>(std::ceil((logical.right() + 1) / perSurfacePixel));
  const int bottom = static_cast<int>(std::ceil((logical.bottom() + 1) / perSurfacePixel));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CSurfaceWidget::PaintSurface(QPainter* painter, const QImage& surface,
                                  const QRect& logical) const {
  const QRect source = SurfaceRect(logical) & surface.rect();
  if (source.isEmpty()) {
    return;
  }
  const QRect target(source.x() * m_nScale, source.y() * m_nScale, source.width() * m_nScale,
                     source.height() * m_nScale);
  painter->drawImage(target, surface, source);
}

void CSurfaceWidget::paintEvent(QPaintEvent* event) {
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
  for (const QRect& rect : event->region()) {
    PaintSurface(&painter, *surface, rect);
  }
  if (m_bPresenting) {
    return;
  }
  // The window system asked for this paint: what it showed of a surface that
  // has changed since the last frame is put right by the next one.
  if (m_shown.isNull()) {
    m_shown = surface->copy();
    m_unsure = QRegion(surface->rect());
    return;
  }
  QRegion painted;
  for (const QRect& rect : event->region()) {
    painted += SurfaceRect(rect);
  }
  m_unsure += ChangedRegion(*surface, m_shown) & painted;
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
