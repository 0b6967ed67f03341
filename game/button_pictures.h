// The ROLL and STOP pictures that the turn flow puts on the screen itself,
// between two full repaints: a button held down, or both buttons live again.
#pragma once

#include "platform/types.h"

// Copies one 24 × 53 picture of the button strip (source x given) to a button
// place of the main window, as it stands; nothing when there is no main window.
void ShowButtonPicture(int nPictureX, CPoint place);

// STOP live at the STOP place and ROLL live at the ROLL place.
void ShowBothButtonsLive();
