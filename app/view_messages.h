// The board view's message map: its four mouse handlers (the turn controller)
// and the three option commands.
#pragma once

#include "game/varnel_view.h"
#include "platform/types.h"

// Runs the view's handler for a mouse message; FALSE when it has none.
BOOL DispatchViewMouse(CVarnelView& view, UINT message, UINT nFlags, CPoint point);
// Runs the view's handler for a command; FALSE when it has none.
BOOL DispatchViewCommand(CVarnelView& view, UINT nID);
