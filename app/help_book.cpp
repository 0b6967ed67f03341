#include "app/help_book.h"

#include <QCoreApplication>
#include <QDir>

QStringList ProgramHelpDirectories() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  return {programDir.filePath(QStringLiteral("help")),
          QDir::cleanPath(programDir.filePath(QStringLiteral(TUMBLEROAD_HELP_FROM_BINDIR)))};
}
