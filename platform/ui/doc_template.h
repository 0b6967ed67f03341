// The single-document template: makes the one document, its frame window and
// its view, and makes the frame the application's main window.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/ui/document.h"
#include "platform/ui/frame_wnd.h"

class CSingleDocTemplate {
 public:
  struct Classes {
    std::function<std::unique_ptr<CDocument>()> newDocument;
    std::function<std::unique_ptr<CFrameWnd>()> newFrame;
    std::function<std::unique_ptr<CView>()> newView;
  };

  CSingleDocTemplate(FrameResources resources, Classes classes);
  ~CSingleDocTemplate();
  CSingleDocTemplate(const CSingleDocTemplate&) = delete;
  CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

  // Opens the document from the file, or a new one when the path is empty,
  // and creates its window, hidden. On failure nothing is created and
  // *pError says why.
  BOOL OpenDocumentFile(const QString& path, QString* pError);
  // Destroys the window, the view and the document.
  void CloseAllDocuments();

  CFrameWnd* Frame() const { return m_pFrame.get(); }
  CDocument* Document() const { return m_pDocument.get(); }

 private:
  FrameResources m_resources;
  Classes m_classes;
  std::unique_ptr<CDocument> m_pDocument;
  std::unique_ptr<CFrameWnd> m_pFrame;
};
