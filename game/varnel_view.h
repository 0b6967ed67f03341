// The board view: the window that shows the board and takes the mouse. Its
// mouse handlers are the turn controller; its paint is the board painter's;
// the window shell adds the option commands.
#pragma once

#include "platform/types.h"
#include "platform/wnd.h"

class CVarnelView : public CView {
 public:
  void OnDraw(CDC* pDC) override;

  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);

  void OnOptionsColumns();
  void OnOptionsNumPlayers();
  void OnOptionsPlayers();
};
