// The game's document. The game keeps its state elsewhere, so the document
// holds nothing: a new one is empty, and a file given to open is only checked
// for being readable.
#pragma once

#include "platform/ui/document.h"

class CVarnelDoc : public CDocument {
 public:
  BOOL OnNewDocument() override { return TRUE; }
};
