#include "platform/ui/title_bar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int kHeight = 26;
constexpr int kIconSize = 16;
constexpr int kMargin = 5;

}  // namespace

bool CTitleBar::Wanted() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

CTitleBar::CTitleBar(QWidget* window) : QWidget(window), m_pClose(new QToolButton(this)) {
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_pClose->setAutoRaise(true);
  m_pClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  m_pClose->setFocusPolicy(Qt::NoFocus);
  m_pClose->setToolTip(tr("Close"));
  m_pClose->setAccessibleName(tr("Close"));
  m_pClose->setFixedSize(kHeight - 4, kHeight - 4);
  connect(m_pClose, &QToolButton::clicked, window, &QWidget::close);
}

QSize CTitleBar::sizeHint() const {
  return {kHeight * 4, kHeight};
}

void CTitleBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool active = window()->isActiveWindow();
  const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
  painter.fillRect(rect(), palette().color(group, QPalette::Window).darker(active ? 112 : 104));
  painter.setPen(palette().color(group, QPalette::Mid));
  painter.drawLine(0, height() - 1, width(), height() - 1);

  const QIcon icon = window()->windowIcon();
  const int iconTop = (height() - kIconSize) / 2;
  icon.paint(&painter, kMargin, iconTop, kIconSize, kIconSize);

  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(
      palette().color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  const QRect caption =
      rect().adjusted(kIconSize + 2 * kMargin, 0, -(m_pClose->width() + 2 * kMargin), 0);
  painter.drawText(
      caption, Qt::AlignCenter,
      fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, caption.width()));
}

bool CTitleBar::event(QEvent* event) {
  if (event->type() == QEvent::Resize) {
    m_pClose->move(width() - m_pClose->width() - 2, 2);
  }
  return QWidget::event(event);
}

// Dragging the bar moves the window: the compositor does the moving.
void CTitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
    window()->windowHandle()->startSystemMove();
  }
}

void CTitleBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange) {
    update();
  }
  QWidget::changeEvent(event);
}
