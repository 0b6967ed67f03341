// Shows a top-level window's client-area surface on the screen and hands the
// mouse and the keyboard to its owner. The board is pixel art, so the surface
// is drawn at a whole number of device pixels per surface pixel, never
// smoothed, and mouse positions are mapped back to surface pixels.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/types.h"
#include "platform/wnd.h"

// The surface pixel under a point given in the widget's logical coordinates.
CPoint SurfacePointAt(QPointF logical, qreal devicePixelRatio, int scale);

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
  };

  CSurfaceWidget(CWnd* pWnd, Owner* pOwner, QWidget* parent);

  // Puts the surface on the screen before returning. Frames are paced to the
  // display: each one goes up when the frame clock says it is due (see
  // WaitForFrameDue); while waiting, the window system is answered but no user
  // input is handled. Only the parts that differ from what is on the screen
  // are handed to the window system.
  void Present() override;

  // Chooses the scale that fits the screen the window is on, and sizes the
  // widget to it.
  void FitToScreen();
  // Makes the next paint rebuild the surface first.
  void InvalidateSurface() { m_bSurfaceValid = false; }
  int Scale() const { return m_nScale; }
  // The part of the widget, in its logical coordinates, that shows these
  // surface pixels.
  QRect LogicalRect(const QRect& surfacePixels) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
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

  CWnd* m_pWnd;
  Owner* m_pOwner;
  bool m_bSurfaceValid = false;
  int m_nScale = 1;
  bool m_bFollowingScreen = false;
  // What the screen shows of the surface, pixel for pixel, but for m_unsure.
  QImage m_shown;
  // Surface pixels painted by the window system's own requests (exposes) while
  // the surface differed from m_shown: the screen may show them in part only.
  QRegion m_unsure;
  bool m_bPresenting = false;
};
