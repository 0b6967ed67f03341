#include "platform/ui/document.h"

#include <QFile>

BOOL CDocument::OnOpenDocument(const QString& path, QString* pError) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *pError = QStringLiteral("cannot open '%1': %2").arg(path, file.errorString());
    return FALSE;
  }
  return TRUE;
}
