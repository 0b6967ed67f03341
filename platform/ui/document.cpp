#include "platform/ui/document.h"

#include "platform/file_names.h"

BOOL CDocument::OnOpenDocument(const QString& path, QString* pError) {
  const QString error = FileOpenError(path);
  if (!error.isEmpty()) {
    *pError = QStringLiteral("cannot open '%1': %2").arg(path, error);
    return FALSE;
  }
  return TRUE;
}
