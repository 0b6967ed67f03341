// The board's keys. Each stands for a click, or a double-click, at a point of
// the board: 1 to 4 (or the keypad's) click the four dice, Enter a
// double-click that plays the chosen pair, R ROLL and S STOP. A key is handed
// to the view as those mouse messages, so it does exactly what the clicks do.
#pragma once

#include <vector>

#include "platform/types.h"

struct ViewMouseMessage {
  UINT message;
  UINT nFlags;
  CPoint point;
};

// The mouse messages a key pressed on the board stands for, in order; none
// for a key the board does not use.
std::vector<ViewMouseMessage> MouseMessagesForKey(UINT nChar);
