#include "platform/bitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <map>

namespace {

QString g_folder = QStringLiteral(":/bitmaps");

// Decoded pictures by id; an id with no picture is remembered as null.
std::map<UINT, std::shared_ptr<const QImage>>& Cache() {
  static std::map<UINT, std::shared_ptr<const QImage>> cache;
  return cache;
}

// The picture of this id, null when there is none; a picture that is there
// but cannot be decoded is null too, not remembered, with *pError saying why.
std::shared_ptr<const QImage> FindBitmap(UINT id, QString* pError = nullptr) {
  const auto found = Cache().find(id);
  if (found != Cache().end()) {
    return found->second;
  }
  const QString name = QStringLiteral("%1.bmp").arg(id);
  QImageReader reader(QDir(g_folder).filePath(name));
  QImage decoded = reader.read();
  if (decoded.isNull() && reader.error() == QImageReader::FileNotFoundError) {
    Cache().emplace(id, nullptr);
    return nullptr;
  }
  if (!decoded.isNull()) {
    decoded = decoded.convertToFormat(QImage::Format_RGB32);
  }
  if (decoded.isNull()) {
    if (pError != nullptr) {
      *pError = QStringLiteral("cannot load the picture %1: %2").arg(name, reader.errorString());
    }
    return nullptr;
  }
  auto image = std::make_shared<const QImage>(std::move(decoded));
  Cache().emplace(id, image);
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

QString LoadAllBitmaps() {
  for (const QString& name : QDir(g_folder).entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
    QString error;
    FindBitmap(QFileInfo(name).baseName().toUInt(), &error);
    if (!error.isEmpty()) {
      return error;
    }
  }
  return {};
}

void SetBitmapFolder(const QString& folder) {
  g_folder = folder;
  Cache().clear();
}
