// A device context: something to copy pixels into or out of. A window's
// context draws on the window's client-area surface; a memory context made
// with CreateCompatibleDC holds the bitmap selected into it as a source.
#pragma once

#include "platform/types.h"

class CBitmap;
class QImage;

class CDC {
 public:
  CDC();
  ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // Draws on a w × h area of the surface whose top-left corner is (x, y).
  void AttachSurface(QImage* pSurface, int x, int y, int width, int height);

  // Makes this an empty memory context; a bitmap must be selected into it.
  BOOL CreateCompatibleDC(CDC* pDC);
  // Selects a bitmap into a memory context; returns the one selected before.
  CBitmap* SelectObject(CBitmap* pBitmap);
  // Copies w × h pixels from (xSrc, ySrc) of the source to (x, y) of this
  // context, unchanged. Only pixels inside both areas are copied; any other
  // raster operation copies nothing.
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  // Ends a memory context: it deselects its bitmap and draws nowhere.
  BOOL DeleteDC();

 private:
  const QImage* Readable() const;

  QImage* m_pSurface = nullptr;
  CBitmap* m_pBitmap = nullptr;
  bool m_bMemory = false;
  int m_nOriginX = 0;
  int m_nOriginY = 0;
  int m_nWidth = 0;
  int m_nHeight = 0;
};
