// The board painter: draws the whole game picture from the game state.
#pragma once

class CDC;

// Paints the board into pDC with the view's origin nOffset pixels right of and
// below the context's origin (0 for the view itself, 2 for the main window).
void PaintBoard(CDC* pDC, int nOffset);

// The view's own paint, when the window must be rebuilt from nothing: the
// background goes first and the chosen dice need their black bodies again.
void PaintBoardAfresh(CDC* pDC);
