// The main window's own title bar, for Wayland desktops where the compositor
// leaves decorations to the program. Qt's stock decorations there offer
// minimise and maximise buttons whatever the window asks for; the game's
// window wants its caption, its icon and a close box only, and is sized with
// Ctrl++ and Ctrl+- there.
#pragma once

#include <QRect>
#include <QWidget>

class CTitleBar : public QWidget {
 public:
  explicit CTitleBar(QWidget* window);

  // True where the program draws its own title bar.
  static bool Wanted();

  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect CloseBox() const;

  bool m_bClosePressed = false;
};
