// Shows a top-level window's client-area surface on the screen and hands the
// mouse and the keyboard to its owner. The board is pixel art, so the surface
// is drawn at a whole number of device pixels per surface pixel, never
// smoothed, and mouse positions are mapped back to surface pixels. The widget
// may be larger than the surface at its scale: the surface is then centred on
// a plain background. A footer (a status line) may take rows under it, scaled
// with it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/types.h"
#include "platform/wnd.h"

// The surface pixel under a point given in the widget's logical coordinates,
// where the surface's top-left corner lies at `origin`.
CPoint SurfacePointAt(QPointF logical, qreal devicePixelRatio, int scale, QPointF origin = {});

class CSurfaceWidget : public QWidget, public CWndScreen {
 public:
  // What the widget asks of the window whose surface it shows.
  class Owner {
   public:
    virtual ~Owner() = default;
    // Draws the whole surface afresh; called before the first paint.
    virtual void RebuildSurface() = 0;
    // A mouse message at a surface point.
    virtual void OnSurfaceMouse(UINT message, UINT nFlags, CPoint point) = 0;
    // A key pressed on the surface, by virtual-key code.
    virtual void OnSurfaceKey(UINT nChar) = 0;
    // A frame of the surface has gone up on the screen.
    virtual void OnSurfacePresented() {}
  };

  CSurfaceWidget(CWnd* pWnd, Owner* pOwner, QWidget* parent);

  // Puts the surface on the screen before returning. Frames are paced to the
  // display: each one goes up when the frame clock says it is due (see
  // WaitForFrameDue); while waiting, the window system is answered but no user
  // input is handled. Only the parts that differ from what is on the screen
  // are handed to the window system.
  void Present() override;

  // Chooses the scale the window wants on the screen it is on (the chosen
  // scale where it fits, else the opening one) and sizes the window to it,
  // unless the window is maximised.
  void FitToScreen();
  // Makes the next paint rebuild the surface first.
  void InvalidateSurface() { m_bSurfaceValid = false; }
  // The scale the surface is drawn at now.
  int Scale() const { return m_nScale; }
  // The scale the window is sized for: 0 for the opening scale, which the
  // screen's density gives; else at most the largest that fits the screen.
  int ChosenScale() const { return m_nChosen; }
  void ChooseScale(int scale);
  // Steps the window to the next larger (+1) or smaller (-1) scale, where the
  // window still fits the screen's available area.
  void StepScale(int step);
  // `rows` surface rows under the surface for `footer`, a child of this widget.
  void SetFooter(QWidget* footer, int rows);
  // The colour around the surface where the widget is larger.
  void SetBackground(const QColor& colour) { m_background = colour; }
  // The part of the widget, in its logical coordinates, that shows these
  // surface pixels.
  QRect LogicalRect(const QRect& surfacePixels) const;

 protected:
  QSize sizeHint() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SendMouse(UINT message, const QMouseEvent* event);
  // Draws the surface pixels under these widget pixels (logical).
  void PaintSurface(QPainter* painter, const QImage& surface, const QRect& logical) const;
  // The surface pixels any part of which lies under these widget pixels.
  QRect SurfaceRect(const QRect& logical) const;
  // The surface with its footer's rows.
  QSize ShownSize() const;
  // The window's menu bar and frame around this widget, and the screen's room.
  QSize Chrome() const;
  QSize Available() const;
  // The largest scale whose window fits the screen's available area.
  int LargestScaleOnScreen() const;
  // The surface's top-left corner in logical coordinates.
  QPointF Origin() const;

  CWnd* m_pWnd;
  Owner* m_pOwner;
  bool m_bSurfaceValid = false;
  int m_nScale = 1;
  int m_nWanted = 1;
  int m_nChosen = 0;
  // Where the surface's top-left corner lies, in device pixels.
  QPoint m_origin;
  QWidget* m_pFooter = nullptr;
  int m_nFooterRows = 0;
  QColor m_background;
  bool m_bFollowingScreen = false;
  // What the screen shows of the surface, pixel for pixel, but for m_unsure.
  QImage m_shown;
  // Surface pixels painted by the window system's own requests (exposes) while
  // the surface differed from m_shown: the screen may show them in part only.
  QRegion m_unsure;
  bool m_bPresenting = false;
};
