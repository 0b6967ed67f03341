// Dialog units: template positions are given in fractions of the dialog
// font's average character, a quarter of its width across and an eighth of
// its height down, so a dialog keeps its proportions whatever its font.
#pragma once

#include <QRect>

class QFont;

// The average character of a font, in pixels: the width is the mean advance of
// the 52 letters A–Z and a–z, the height is the font's line height.
struct DialogBaseUnits {
  int cx;
  int cy;
};

DialogBaseUnits GetDialogBaseUnits(const QFont& font);

// Converts a rectangle in dialog units to pixels, each value rounded to the
// nearest pixel.
QRect MapDialogRect(const QRect& units, DialogBaseUnits base);
