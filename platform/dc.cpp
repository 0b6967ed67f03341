#include "platform/dc.h"

#include <QImage>
#include <algorithm>
#include <cstring>

#include "platform/bitmap.h"

CDC::CDC() = default;
CDC::~CDC() = default;

void CDC::AttachSurface(QImage* pSurface, int x, int y, int width, int height) {
  m_pSurface = pSurface;
  m_pBitmap = nullptr;
  m_bMemory = false;
  m_nOriginX = x;
  m_nOriginY = y;
  m_nWidth = width;
  m_nHeight = height;
}

BOOL CDC::CreateCompatibleDC(CDC* /*pDC*/) {
  m_pSurface = nullptr;
  m_pBitmap = nullptr;
  m_bMemory = true;
  m_nOriginX = m_nOriginY = m_nWidth = m_nHeight = 0;
  return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  if (!m_bMemory) {
    return nullptr;
  }
  CBitmap* previous = m_pBitmap;
  m_pBitmap = pBitmap;
  const QImage* image = Readable();
  m_nWidth = image != nullptr ? image->width() : 0;
  m_nHeight = image != nullptr ? image->height() : 0;
  return previous;
}

BOOL CDC::DeleteDC() {
  m_pBitmap = nullptr;
  m_bMemory = false;
  m_nWidth = m_nHeight = 0;
  return TRUE;
}

const QImage* CDC::Readable() const {
  if (m_bMemory) {
    return m_pBitmap != nullptr ? m_pBitmap->Image() : nullptr;
  }
  return m_pSurface;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  if (dwRop != SRCCOPY || pSrcDC == nullptr || m_bMemory || m_pSurface == nullptr) {
    return FALSE;
  }
  const QImage* source = pSrcDC->Readable();
  if (source == nullptr) {
    return FALSE;
  }
  // Clip the rectangle against this context's area and the source's area, in
  // each one's own coordinates; both shrink together.
  int left = std::max({0, -x, -xSrc});
  int top = std::max({0, -y, -ySrc});
  int right = std::min({nWidth, m_nWidth - x, pSrcDC->m_nWidth - xSrc});
  int bottom = std::min({nHeight, m_nHeight - y, pSrcDC->m_nHeight - ySrc});
  if (right <= left || bottom <= top) {
    return TRUE;
  }
  const int srcX = pSrcDC->m_nOriginX + xSrc + left;
  const int srcY = pSrcDC->m_nOriginY + ySrc + top;
  const int dstX = m_nOriginX + x + left;
  const int dstY = m_nOriginY + y + top;
  const std::size_t rowBytes = static_cast<std::size_t>(right - left) * 4;
  const qsizetype srcStride = source->bytesPerLine();
  const qsizetype dstStride = m_pSurface->bytesPerLine();
  const uchar* from = source->constBits() + srcY * srcStride + srcX * 4;
  uchar* to = m_pSurface->bits() + dstY * dstStride + dstX * 4;
  for (int row = top; row < bottom; ++row) {
    std::memmove(to, from, rowBytes);
    from += srcStride;
    to += dstStride;
  }
  return TRUE;
}
