#include "app/varnel_view.h"

#include "board/painter.h"
#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "game/game_state.h"
#include "game/turn_controller.h"
#include "platform/ui/message_map.h"
#include "res/resource.h"

namespace {

constexpr MouseMapEntry<CVarnelView> kMouseMap[] = {
    {WM_LBUTTONDOWN, &CVarnelView::OnLButtonDown},
    {WM_LBUTTONUP, &CVarnelView::OnLButtonUp},
    {WM_LBUTTONDBLCLK, &CVarnelView::OnLButtonDblClk},
    {WM_MOUSEMOVE, &CVarnelView::OnMouseMove},
};

constexpr CommandMapEntry<CVarnelView> kCommandMap[] = {
    {ID_OPTIONS_COLUMNS, &CVarnelView::OnOptionsColumns},
    {ID_OPTIONS_NUM_PLAYERS, &CVarnelView::OnOptionsNumPlayers},
    {ID_OPTIONS_PLAYERS, &CVarnelView::OnOptionsPlayers},
};

}  // namespace

BOOL CVarnelView::OnMouseMessage(UINT message, UINT nFlags, CPoint point) {
  return DispatchMouse<CVarnelView>(*this, kMouseMap, message, nFlags, point);
}

BOOL CVarnelView::OnViewCommand(UINT nID) {
  return DispatchCommand<CVarnelView>(*this, kCommandMap, nID);
}

void CVarnelView::OnDraw(CDC* pDC) {
  PaintBoardAfresh(pDC);
}

// The key-state flags are not looked at.
void CVarnelView::OnLButtonDown(UINT /*nFlags*/, CPoint point) {
  PressOnBoard(point);
}

void CVarnelView::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) {
  ReleaseOnBoard();
}

void CVarnelView::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) {
  PlaySelectedPair();
}

void CVarnelView::OnMouseMove(UINT /*nFlags*/, CPoint point) {
  MoveOverBoard(point);
}

// Each option command runs its dialog; what follows OK or Cancel happens
// inside the dialog.
void CVarnelView::OnOptionsColumns() {
  CColumnChoice dlg;
  dlg.DoModal();
}

void CVarnelView::OnOptionsNumPlayers() {
  CNumPlayers dlg;
  dlg.DoModal();
}

// The dialog shows the seats in play; with any other number of seats there
// is nothing to show.
void CVarnelView::OnOptionsPlayers() {
  if (g_nPlayers == 2) {
    CTwoPlayersDlg dlg;
    dlg.DoModal();
  } else if (g_nPlayers == 3) {
    CThreePlayersDlg dlg;
    dlg.DoModal();
  } else if (g_nPlayers == 4) {
    CFourPlayersDlg dlg;
    dlg.DoModal();
  }
}
