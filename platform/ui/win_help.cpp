#include "platform/ui/win_help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

#include "platform/ui/help_window.h"

namespace {

QPointer<CHelpWindow> g_pHelpWindow;
QStringList g_helpDirectories;

// While a modal dialog is up Qt blocks every window but the dialog and those
// that stand on it. The help window stands on the dialog for as long as the
// dialog is shown, so help asked for from a dialog can be read and used.
class StandOnDialog : public QObject {
 public:
  StandOnDialog(CHelpWindow* pHelp, QWidget* pDialog) : QObject(pHelp), m_pDialog(pDialog) {
    pHelp->winId();
    pHelp->windowHandle()->setTransientParent(pDialog->windowHandle());
    pDialog->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_pDialog && event->type() == QEvent::Hide) {
      auto* help = static_cast<CHelpWindow*>(parent());
      help->windowHandle()->setTransientParent(nullptr);
      m_pDialog->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> m_pDialog;
};

void ShowHelpWindow(const QString& contentsPage) {
  if (g_pHelpWindow == nullptr) {
    g_pHelpWindow = new CHelpWindow;
  }
  g_pHelpWindow->OpenBook(contentsPage);
  if (QWidget* dialog = QApplication::activeModalWidget()) {
    new StandOnDialog(g_pHelpWindow, dialog);
  }
  g_pHelpWindow->show();
  g_pHelpWindow->raise();
  g_pHelpWindow->activateWindow();
}

// The book is asked for by its old name; it is an HTML page of the same name.
QString HelpBookPage(const QString& helpFile) {
  return QFileInfo(helpFile).completeBaseName() + QStringLiteral(".html");
}

}  // namespace

void SetHelpDirectories(const QStringList& directories) {
  g_helpDirectories = directories;
}

QStringList HelpDirectories() {
  return g_helpDirectories;
}

QString FindHelpBook(const QString& helpFile, const QStringList& directories) {
  const QString page = HelpBookPage(helpFile);
  for (const QString& directory : directories) {
    const QFileInfo candidate(QDir(directory), page);
    if (candidate.isFile() && candidate.isReadable()) {
      return candidate.absoluteFilePath();
    }
  }
  return {};
}

BOOL WinHelp(QWidget* hWndMain, const QString& helpFile, UINT uCommand) {
  if (uCommand == HELP_QUIT) {
    delete g_pHelpWindow;
    return TRUE;
  }
  if (uCommand != HELP_FINDER) {
    return FALSE;
  }
  const QString book = FindHelpBook(helpFile, HelpDirectories());
  if (book.isEmpty()) {
    QWidget* parent = QApplication::activeModalWidget();
    QMessageBox::warning(
        parent != nullptr ? parent : hWndMain, QCoreApplication::translate("WinHelp", "Help"),
        QCoreApplication::translate("WinHelp",
                                    "The help book %1 cannot be found.\n\n"
                                    "These folders were searched:\n%2")
            .arg(HelpBookPage(helpFile), HelpDirectories().join(QLatin1Char('\n'))));
    return FALSE;
  }
  ShowHelpWindow(book);
  return TRUE;
}
