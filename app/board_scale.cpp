#include "app/board_scale.h"

#include "platform/ui/frame_wnd.h"

namespace {

// The scale set while no window was there to take it.
int g_nScaleSet = 0;

}  // namespace

int BoardScale() {
  const CFrameWnd* frame = MainFrameWnd();
  return frame != nullptr && frame->SurfaceWidget() != nullptr ? frame->ChosenScale() : g_nScaleSet;
}

void SetBoardScale(int scale) {
  g_nScaleSet = scale;
  if (CFrameWnd* frame = MainFrameWnd(); frame != nullptr && frame->SurfaceWidget() != nullptr) {
    frame->ChooseScale(scale);
  }
}

void ApplyBoardScale(CFrameWnd& frame) {
  frame.ChooseScale(g_nScaleSet);
}
