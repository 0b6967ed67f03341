// A bitmap resource found by its numeric id. The pictures are compiled into
// the program; each is decoded once, on first use, and shared by every
// CBitmap that loads it, so the painter may load them on every paint.
#pragma once

#include <memory>

#include "platform/types.h"

class QImage;

class CBitmap {
 public:
  CBitmap();
  ~CBitmap();
  CBitmap(const CBitmap&) = delete;
  CBitmap& operator=(const CBitmap&) = delete;

  // Loads the bitmap with this id; a missing id loads nothing and returns FALSE.
  BOOL LoadBitmap(UINT nIDResource);
  // Lets go of the picture; returns FALSE when nothing was loaded.
  BOOL DeleteObject();

  // The decoded picture (32-bit RGB), or null when nothing is loaded.
  const QImage* Image() const { return m_image.get(); }

 private:
  std::shared_ptr<const QImage> m_image;
};
