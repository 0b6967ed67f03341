// A document: what a frame window shows. It may come from a file; opening
// one only checks that the file can be read.
#pragma once

#include <QString>

#include "platform/types.h"

class CDocument {
 public:
  virtual ~CDocument() = default;

  // Starts an empty document.
  virtual BOOL OnNewDocument() { return TRUE; }
  // Opens the file for reading; when it cannot be read, *pError says why.
  virtual BOOL OnOpenDocument(const QString& path, QString* pError);
  // A command routed to the document; TRUE when handled.
  virtual BOOL OnCommand(UINT /*nID*/) { return FALSE; }
};
