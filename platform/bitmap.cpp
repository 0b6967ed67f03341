#include "platform/bitmap.h"

#include <QImage>
#include <QString>
#include <map>

namespace {

// Decoded pictures by id; an id with no picture is remembered as null.
std::shared_ptr<const QImage> FindBitmap(UINT id) {
  static std::map<UINT, std::shared_ptr<const QImage>> cache;
  const auto found = cache.find(id);
  if (found != cache.end()) {
    return found->second;
  }
  std::shared_ptr<const QImage> image;
  QImage decoded(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
  if (!decoded.isNull()) {
    image = std::make_shared<const QImage>(decoded.convertToFormat(QImage::Format_RGB32));
  }
  cache.emplace(id, image);
  return image;
}

}  // namespace

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  m_image = FindBitmap(nIDResource);
  return m_image ? TRUE : FALSE;
}

BOOL CBitmap::DeleteObject() {
  const BOOL had = m_image ? TRUE : FALSE;
  m_image.reset();
  return had;
}
