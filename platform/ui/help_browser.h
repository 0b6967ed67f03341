// The help window's page view. It shows only the help book: regular files
// inside the help folders (links followed through symbolic links and "..",
// and a size limit, so that no device or huge file is read). Anything else
// gets a short page saying it is not shown.
#pragma once

#include <QTextBrowser>

class HelpBrowser : public QTextBrowser {
 public:
  // Pages above this many bytes are not shown; the book's are a few thousand.
  static constexpr qint64 kMaxPageBytes = 1024 * 1024;

  explicit HelpBrowser(QWidget* pParent);

  QVariant loadResource(int type, const QUrl& name) override;
};
