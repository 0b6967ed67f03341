#include "app/help_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

QStringList ProgramHelpDirectories(const QStringList& languages) {
  const QDir programDir(QCoreApplication::applicationDirPath());
  const QStringList english = {
      programDir.filePath(QStringLiteral("help")),
      QDir::cleanPath(programDir.filePath(QStringLiteral(TUMBLEROAD_HELP_FROM_BINDIR)))};
  // The names come from the environment: only a language's name may become
  // a folder, never a path that leads out of the book.
  static const QRegularExpression languageName(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
  QStringList directories;
  for (const QString& language : languages) {
    if (!languageName.match(language).hasMatch()) {
      continue;
    }
    for (const QString& book : english) {
      directories << QDir(book).filePath(language);
    }
  }
  return directories + english;
}
