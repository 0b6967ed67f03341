// The game's bitmaps as the painter loads them, and the pieces cut from them,
// for comparing what was painted with what should be there.
#pragma once

#include <QImage>

#include "board/layout.h"
#include "platform/types.h"

// A bitmap of the program's resources by id, 32-bit RGB; null when missing.
QImage Picture(UINT id);
// w × h of a bitmap from (x, y).
QImage PictureRegion(UINT id, CPoint from, int width, int height);

QImage PegSprite(int index);  // 9 × 9: seats 0 … 3, 4 = the white peg
QImage EmptyHoleSprite();

// The white or the black die, and a 13 × 13 pip slot of either, with or without its pip.
QImage DiePicture(bool black);
QImage PipSlotSprite(bool black, bool pip);
// A 24 × 53 picture of the button strip, by its x in the strip.
QImage ButtonPicture(int pictureX);
// What a surface shows of a button at a button place.
QImage ButtonShown(const QImage& surface, CPoint place);

// The number of pixels that differ between two pictures of one size.
int DifferentPixels(const QImage& a, const QImage& b);
