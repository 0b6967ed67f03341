#include "app/view_messages.h"

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

BOOL DispatchViewMouse(CVarnelView& view, UINT message, UINT nFlags, CPoint point) {
  return DispatchMouse<CVarnelView>(view, kMouseMap, message, nFlags, point);
}

BOOL DispatchViewCommand(CVarnelView& view, UINT nID) {
  return DispatchCommand<CVarnelView>(view, kCommandMap, nID);
}
