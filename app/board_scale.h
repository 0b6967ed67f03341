// The board's scale as an option: 0 for the opening scale, the one the
// screen's density gives, else the whole-number scale the window is sized for
// (as Ctrl++ and Ctrl+- choose it). Set before the window opens, it is the
// scale the window opens at where the screen takes it; a larger one is cut to
// the largest that fits.
#pragma once

class CFrameWnd;

int BoardScale();
void SetBoardScale(int scale);

// Sizes a window about to open for the scale set.
void ApplyBoardScale(CFrameWnd& frame);
