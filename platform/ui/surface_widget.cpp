#include "platform/ui/surface_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
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

CPoint SurfacePointAt(QPointF logical, qreal devicePixelRatio, int scale, QPointF origin) {
  const qreal perSurfacePixel = scale / devicePixelRatio;
  return CPoint{static_cast<int>(std::floor((logical.x() - origin.x()) / perSurfacePixel)),
                static_cast<int>(std::floor((logical.y() - origin.y()) / perSurfacePixel))};
}

CSurfaceWidget::CSurfaceWidget(CWnd* pWnd, Owner* pOwner, QWidget* parent)
    : QWidget(parent), m_pWnd(pWnd), m_pOwner(pOwner), m_background(palette().window().color()) {
  // The surface and the background cover every pixel: Qt need not erase anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // The board takes the keyboard as soon as its window is active.
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CSurfaceWidget::ShownSize() const {
  return {m_pWnd->ClientWidth(), m_pWnd->ClientHeight() + m_nFooterRows};
}

QSize CSurfaceWidget::Chrome() const {
  const QWidget* top = window();
  // The menu bar and the window manager's frame come on top of the surface.
  return top->frameGeometry().size() - top->geometry().size() +
         (top == this ? QSize() : top->sizeHint() - sizeHint());
}

QSize CSurfaceWidget::Available() const {
  return screen() != nullptr ? screen()->availableGeometry().size() : QSize();
}

int CSurfaceWidget::LargestScaleOnScreen() const {
  return Available().isEmpty()
             ? 1
             : LargestScale(ShownSize(), devicePixelRatioF(), Chrome(), Available());
}

void CSurfaceWidget::FitToScreen() {
  const qreal ratio = devicePixelRatioF();
  const int opening =
      Available().isEmpty() ? 1 : SurfaceScale(ShownSize(), ratio, Chrome(), Available());
  m_nWanted = m_nChosen > 0 ? std::min(m_nChosen, LargestScaleOnScreen()) : opening;
  setMinimumSize(LogicalSurfaceSize(ShownSize(), ratio, 1));
  updateGeometry();
  QWidget* outer = window();
  if (outer == this || (outer->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
    return;
  }
  outer->resize(outer->sizeHint());
}

void CSurfaceWidget::ChooseScale(int scale) {
  m_nChosen = scale > 0 ? std::min(scale, LargestScaleOnScreen()) : 0;
  QWidget* outer = window();
  // A maximised window cannot take a size: it comes back to its own first.
  if (outer->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
    outer->showNormal();
  }
  const QRect before = outer->frameGeometry();
  const QSize frame = before.size() - outer->geometry().size();
  FitToScreen();
  const QScreen* shownOn = screen();
  if (outer == this || shownOn == nullptr) {
    return;
  }
  // The window grows and shrinks about its middle, and stays on the screen.
  const QSize after = outer->sizeHint() + frame;
  const QPoint corner = before.center() - QPoint(after.width() / 2, after.height() / 2);
  outer->move(KeepOnScreen(corner, after, shownOn->availableGeometry()));
}

void CSurfaceWidget::StepScale(int step) {
  const int scale = m_nScale + step;
  if (scale >= 1 && scale <= LargestScaleOnScreen()) {
    ChooseScale(scale);
  }
}

void CSurfaceWidget::SetFooter(QWidget* footer, int rows) {
  m_pFooter = footer;
  m_nFooterRows = rows;
  footer->setParent(this);
  FitToScreen();
}

QSize CSurfaceWidget::sizeHint() const {
  return LogicalSurfaceSize(ShownSize(), devicePixelRatioF(), m_nWanted);
}

void CSurfaceWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const qreal ratio = devicePixelRatioF();
  const QSize shown = ShownSize();
  m_nScale = ScaleThatFits(shown, ratio, size());
  const int spareX = static_cast<int>(std::floor(width() * ratio)) - shown.width() * m_nScale;
  const int spareY = static_cast<int>(std::floor(height() * ratio)) - shown.height() * m_nScale;
  m_origin = QPoint(std::max(0, spareX / 2), std::max(0, spareY / 2));
  if (m_pFooter != nullptr) {
    m_pFooter->setGeometry(
        LogicalRect(QRect(0, m_pWnd->ClientHeight(), m_pWnd->ClientWidth(), m_nFooterRows)));
  }
  update();
}

QPointF CSurfaceWidget::Origin() const {
  return QPointF(m_origin) / devicePixelRatioF();
}

QRect CSurfaceWidget::LogicalRect(const QRect& surfacePixels) const {
  const qreal perSurfacePixel = m_nScale / devicePixelRatioF();
  const QPointF origin = Origin();
  return QRectF(origin.x() + surfacePixels.x() * perSurfacePixel,
                origin.y() + surfacePixels.y() * perSurfacePixel,
                surfacePixels.width() * perSurfacePixel, surfacePixels.height() * perSurfacePixel)
      .toAlignedRect();
}

void CSurfaceWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
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
  m_pOwner->OnSurfacePresented();
}

QRect CSurfaceWidget::SurfaceRect(const QRect& logical) const {
  const qreal perSurfacePixel = m_nScale / devicePixelRatioF();
  const QPointF origin = Origin();
  const auto cell = [&](qreal at, qreal from) { return (at - from) / perSurfacePixel; };
  const int left = static_cast<int>(std::floor(cell(logical.left(), origin.x())));
  const int top = static_cast<int>(std::floor(cell(logical.top(), origin.y())));
  const int right = static_cast<int>(std::ceil(cell(logical.right() + 1, origin.x())));
  const int bottom = static_cast<int>(std::ceil(cell(logical.bottom() + 1, origin.y())));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CSurfaceWidget::PaintSurface(QPainter* painter, const QImage& surface,
                                  const QRect& logical) const {
  const QRect source = SurfaceRect(logical) & surface.rect();
  if (source.isEmpty()) {
    return;
  }
  const QRect target(m_origin.x() + source.x() * m_nScale, m_origin.y() + source.y() * m_nScale,
                     source.width() * m_nScale, source.height() * m_nScale);
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
  const QRect shown(m_origin, surface->size() * m_nScale);
  // At a fractional ratio the widget ends part of a device pixel past the
  // surface; in a larger window the background lies around it.
  const QRect device(0, 0, static_cast<int>(std::ceil(width() * ratio)),
                     static_cast<int>(std::ceil(height() * ratio)));
  if (!m_bPresenting && !shown.contains(device)) {
    for (const QRect& around : QRegion(device) - QRegion(shown)) {
      painter.fillRect(around, m_background);
    }
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
  m_pOwner->OnSurfaceMouse(
      message, event->buttons().testFlag(Qt::LeftButton) ? MK_LBUTTON : 0,
      SurfacePointAt(event->position(), devicePixelRatioF(), m_nScale, Origin()));
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
