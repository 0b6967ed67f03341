#include "platform/ui/icon_files.h"

#include <QDir>

QIcon IconFromFiles(const QString& folder, const QString& prefix) {
  QIcon icon;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
    icon.addFile(dir.filePath(name));
  }
  return icon;
}
