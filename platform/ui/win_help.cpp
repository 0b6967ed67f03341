#include "platform/ui/win_help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include "platform/ui/help_window.h"
#include "platform/ui/screen_fit.h"

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

// A new help window opens centred over the game's window, with its icon;
// one already open stays where the player put it.
void ShowHelpWindow(const QString& contentsPage, const QWidget* pMain) {
  if (g_pHelpWindow == nullptr) {
    g_pHelpWindow = new CHelpWindow;
    if (pMain != nullptr) {
      g_pHelpWindow->setWindowIcon(pMain->windowIcon());
      const QRect over = pMain->frameGeometry();
      const QSize size = g_pHelpWindow->size();
      const QPoint corner = over.center() - QPoint(size.width() / 2, size.height() / 2);
      const QScreen* screen = pMain->screen();
      g_pHelpWindow->move(
          screen != nullptr ? KeepOnScreen(corner, size, screen->availableGeometry()) : corner);
    }
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
  ShowHelpWindow(book, hWndMain);
  return TRUE;
}
