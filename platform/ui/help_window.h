// The help window: a small browser over the pages of one help book, with
// buttons to go back, forward and to the contents.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

class CHelpWindow : public QWidget {
 public:
  CHelpWindow();

  // Shows the book at its contents page.
  void OpenBook(const QString& contentsPage);
  QTextBrowser* Browser() const { return m_pBrowser; }

 private:
  QTextBrowser* m_pBrowser;
  QString m_contentsPage;
};
