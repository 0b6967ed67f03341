#include "platform/ui/title_bar.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr int kHeight = 26;
constexpr int kIconSize = 16;
constexpr int kMargin = 5;
constexpr int kCrossSize = 8;

}  // namespace

bool CTitleBar::Wanted() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

CTitleBar::CTitleBar(QWidget* window) : QWidget(window) {
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(QCoreApplication::translate("TitleBar", "Drag to move the window"));
}

QSize CTitleBar::sizeHint() const {
  return {kHeight * 4, kHeight};
}

QRect CTitleBar::CloseBox() const {
  return {width() - kHeight, 0, kHeight, kHeight};
}

bool CTitleBar::event(QEvent* event) {
  // The window's activation reaches its children as these two events.
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
    update();
  }
  return QWidget::event(event);
}

void CTitleBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool active = window()->isActiveWindow();
  painter.fillRect(rect(), palette().color(QPalette::Window).darker(active ? 115 : 104));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, height() - 1, width(), height() - 1);

  window()->windowIcon().paint(&painter, kMargin, (height() - kIconSize) / 2, kIconSize, kIconSize);

  // Black while the window has the keyboard, grey without it.
  const QColor ink = active ? palette().color(QPalette::Active, QPalette::WindowText)
                            : palette().color(QPalette::Disabled, QPalette::WindowText);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(ink);
  const QRect caption = rect().adjusted(kIconSize + 2 * kMargin, 0, -kHeight - kMargin, 0);
  painter.drawText(
      caption, Qt::AlignCenter,
      QFontMetrics(font).elidedText(window()->windowTitle(), Qt::ElideRight, caption.width()));

  const QRect cross(CloseBox().center() - QPoint(kCrossSize / 2, kCrossSize / 2),
                    QSize(kCrossSize, kCrossSize));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, 2));
  painter.drawLine(cross.topLeft(), cross.bottomRight());
  painter.drawLine(cross.topRight(), cross.bottomLeft());
}

// The close box closes on release, as a button does; anywhere else a press
// starts moving the window, which the compositor does.
void CTitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  m_bClosePressed = CloseBox().contains(event->position().toPoint());
  if (!m_bClosePressed && window()->windowHandle() != nullptr) {
    window()->windowHandle()->startSystemMove();
  }
}

void CTitleBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_bClosePressed &&
      CloseBox().contains(event->position().toPoint())) {
    window()->close();
  }
  m_bClosePressed = false;
}
