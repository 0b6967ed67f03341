#include "platform/ui/help_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include "platform/ui/win_help.h"

namespace {

bool InsideHelpFolders(const QString& canonicalPath) {
  for (const QString& folder : HelpDirectories()) {
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (!canonicalFolder.isEmpty() &&
        canonicalPath.startsWith(canonicalFolder + QLatin1Char('/'))) {
      return true;
    }
  }
  return false;
}

// The file of the book a link leads to, read; why not, when it is no page of it.
QString ReadBookFile(const QUrl& url, QByteArray* pContent) {
  if (!url.isLocalFile()) {
    return QCoreApplication::translate("HelpBrowser", "it is not a file of the help book");
  }
  const QFileInfo info(QFileInfo(url.toLocalFile()).canonicalFilePath());
  if (!info.isFile() || !InsideHelpFolders(info.filePath())) {
    return QCoreApplication::translate("HelpBrowser", "it is not a file of the help book");
  }
  if (info.size() > HelpBrowser::kMaxPageBytes) {
    return QCoreApplication::translate("HelpBrowser", "it is larger than a help page can be");
  }
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) {
    return file.errorString();
  }
  *pContent = file.read(HelpBrowser::kMaxPageBytes);
  return {};
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* pParent) : QTextBrowser(pParent) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  QByteArray content;
  const QString refusal = ReadBookFile(url, &content);
  if (refusal.isEmpty()) {
    return content;
  }
  if (type != QTextDocument::HtmlResource && type != QTextDocument::MarkdownResource) {
    return {};
  }
  return QCoreApplication::translate(
             "HelpBrowser",
             "<html><head><title>Not shown</title></head><body><h2>Not shown</h2>"
             "<p>%1 is not shown: %2.</p></body></html>")
      .arg(url.toDisplayString().toHtmlEscaped(), refusal);
}
