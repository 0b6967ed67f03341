#include "app/board_keys.h"

#include "board/layout.h"
#include "platform/ui/message_map.h"

namespace {

// A point of the board on no die and no button: clicking there chooses
// nothing, and double-clicking there plays the pair already chosen.
constexpr CPoint kPairPoint = {240, 240};

CPoint Middle(const CArea& area) {
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void AddClick(std::vector<ViewMouseMessage>& messages, CPoint point) {
  messages.push_back({WM_LBUTTONDOWN, MK_LBUTTON, point});
  messages.push_back({WM_LBUTTONUP, 0, point});
}

// The die a key names: 0 … 3, or -1.
int DieOfKey(UINT nChar) {
  for (int die = 0; die < 4; ++die) {
    if (nChar == '1' + static_cast<UINT>(die) || nChar == VK_NUMPAD0 + 1 + static_cast<UINT>(die)) {
      return die;
    }
  }
  return -1;
}

}  // namespace

std::vector<ViewMouseMessage> MouseMessagesForKey(UINT nChar) {
  std::vector<ViewMouseMessage> messages;
  if (const int die = DieOfKey(nChar); die >= 0) {
    AddClick(messages, Middle(DieArea(die)));
  } else if (nChar == 'R') {
    AddClick(messages, Middle(kRollArea));
  } else if (nChar == 'S') {
    AddClick(messages, Middle(kStopArea));
  } else if (nChar == VK_RETURN) {
    // What the window system sends for a double-click: press, release,
    // double-click, release.
    AddClick(messages, kPairPoint);
    messages.push_back({WM_LBUTTONDBLCLK, MK_LBUTTON, kPairPoint});
    messages.push_back({WM_LBUTTONUP, 0, kPairPoint});
  }
  return messages;
}
