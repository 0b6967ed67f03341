// The board view: the window that shows the board and takes the mouse. Its
// paint is the board painter's, its mouse handlers are the turn controller's
// and its three commands open the option dialogs.
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

  // Runs the handler of a mouse message; FALSE when the view has none.
  BOOL OnMouseMessage(UINT message, UINT nFlags, CPoint point);
  // Runs the handler of a command; FALSE when the view has none.
  BOOL OnViewCommand(UINT nID);
};
