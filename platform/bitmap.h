// A bitmap resource found by its numeric id. The pictures are compiled into
// the program; each is decoded once, on first use, and shared by every
// CBitmap that loads it, so the painter may load them on every paint.
#pragma once

#include <QString>
#include <memory>

#include "platform/types.h"

class QImage;

class CBitmap {
 public:
  CBitmap();
  ~CBitmap();
  CBitmap(const CBitmap&) = delete;
  CBitmap& operator=(const CBitmap&) = delete;

  // Loads the bitmap with this id; a missing id, or a picture that cannot be
  // decoded, loads nothing and returns FALSE.
  BOOL LoadBitmap(UINT nIDResource);
  // Lets go of the picture; returns FALSE when nothing was loaded.
  BOOL DeleteObject();

  // The decoded picture (32-bit RGB), or null when nothing is loaded.
  const QImage* Image() const { return m_image.get(); }

 private:
  std::shared_ptr<const QImage> m_image;
};

// Decodes every picture now, so that one that cannot be decoded (damaged, or
// too little memory) is found at start-up rather than by a half-drawn board.
// A failure is not remembered: a later load tries again. Empty when all were
// decoded, else which picture failed and why.
QString LoadAllBitmaps();

// The folder the pictures are read from, as "<id>.bmp" files: the program's
// resources unless set otherwise (tests use damaged copies). Setting it
// forgets the pictures decoded so far.
void SetBitmapFolder(const QString& folder);
