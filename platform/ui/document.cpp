#include "platform/ui/document.h"

#include "platform/file_names.h"

BOOL CDocument::OnOpenDocument(const QString& path, QString* pError) {
  *pError = CannotOpenMessage(path);
  return pError->isEmpty() ? TRUE : FALSE;
}
