#include "platform/ui/doc_template.h"

#include "platform/win_app.h"

CSingleDocTemplate::CSingleDocTemplate(FrameResources resources, Classes classes)
    : m_resources(std::move(resources)), m_classes(std::move(classes)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  CloseAllDocuments();
}

BOOL CSingleDocTemplate::OpenDocumentFile(const QString& path, QString* pError) {
  CloseAllDocuments();
  std::unique_ptr<CDocument> document = m_classes.newDocument();
  const BOOL opened =
      path.isEmpty() ? document->OnNewDocument() : document->OnOpenDocument(path, pError);
  if (!opened) {
    return FALSE;
  }
  m_pDocument = std::move(document);
  m_pFrame = m_classes.newFrame();
  m_pFrame->LoadFrame(m_resources, m_classes.newView(), m_pDocument.get());
  if (CWinApp* app = AfxGetApp()) {
    app->m_pMainWnd = m_pFrame.get();
  }
  return TRUE;
}

void CSingleDocTemplate::CloseAllDocuments() {
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == m_pFrame.get()) {
    app->m_pMainWnd = nullptr;
  }
  m_pFrame.reset();
  m_pDocument.reset();
}
