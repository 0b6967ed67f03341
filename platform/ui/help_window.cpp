#include "platform/ui/help_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/ui/help_browser.h"

CHelpWindow::CHelpWindow() : QWidget(nullptr, Qt::Window), m_pBrowser(new HelpBrowser(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  // Help is a window of its own, never a part of the game's: closing it does
  // not end the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(640, 600);

  auto* contents = new QPushButton(QCoreApplication::translate("HelpWindow", "&Contents"), this);
  auto* back = new QPushButton(QCoreApplication::translate("HelpWindow", "&Back"), this);
  auto* forward = new QPushButton(QCoreApplication::translate("HelpWindow", "&Forward"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_pBrowser);

  connect(contents, &QPushButton::clicked, this,
          [this] { m_pBrowser->setSource(QUrl::fromLocalFile(m_contentsPage)); });
  connect(back, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
  connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(m_pBrowser, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(m_pBrowser->documentTitle()); });
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
}

void CHelpWindow::OpenBook(const QString& contentsPage) {
  m_contentsPage = contentsPage;
  m_pBrowser->setSource(QUrl::fromLocalFile(contentsPage));
}
