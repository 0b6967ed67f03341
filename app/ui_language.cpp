#include "app/ui_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

QString g_language;
// Kept here, not given to Qt to own, so that they go with the program.
std::unique_ptr<QTranslator> g_pGameTranslator;
std::unique_ptr<QTranslator> g_pQtTranslator;

// "de_DE.UTF-8@euro" is "de_DE".
QString WithoutCodesetAndModifier(const QString& name) {
  return name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
}

}  // namespace

QStringList WantedLanguages(const std::function<QString(const char* name)>& environment) {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = environment(variable);
    if (value.isEmpty()) {
      continue;
    }
    QStringList wanted;
    for (const QString& entry : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
      const QString name = WithoutCodesetAndModifier(entry);
      if (name == QLatin1String("C") || name == QLatin1String("POSIX")) {
        break;
      }
      for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        if (!candidate.isEmpty() && !wanted.contains(candidate)) {
          wanted << candidate;
        }
      }
    }
    return wanted;
  }
  return {};
}

QStringList SystemLanguages() {
  return WantedLanguages([](const char* name) { return qEnvironmentVariable(name); });
}

QString InstallTranslations(const QStringList& wanted) {
  g_pGameTranslator.reset();
  g_pQtTranslator.reset();
  g_language.clear();
  for (const QString& language : wanted) {
    if (language == QLatin1String("en")) {
      break;
    }
    // The file of this very language: "de_AT" does not take "de", which
    // comes next in the list when it is wanted.
    const QString file = QStringLiteral(":/i18n/tumbleroad_%1.qm").arg(language);
    auto game = std::make_unique<QTranslator>();
    if (!QFile::exists(file) || !game->load(file)) {
      continue;
    }
    QCoreApplication::installTranslator(game.get());
    g_pGameTranslator = std::move(game);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      g_pQtTranslator = std::move(qt);
    }
    g_language = language;
    return language;
  }
  return {};
}

QString UiLanguage() {
  return g_language;
}
