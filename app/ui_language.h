// The language the game speaks: the system's, as the locale variables name
// it, with English wherever a language has no translation.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QTranslator;

// The languages asked for, best first, from the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set: "de_DE.UTF-8" gives "de_DE" then "de";
// LANGUAGE may list several, colon-separated. "C" and "POSIX" ask for
// English, which is an empty list.
QStringList WantedLanguages(const std::function<QString(const char* name)>& environment);

// The languages this process's own locale variables ask for.
QStringList SystemLanguages();

// Installs the game's translation for the first wanted language it has, and
// Qt's own for the standard dialogs and buttons; a missing or unreadable file
// leaves English. Those installed before are taken away. Gives the language installed, or "" for
// English.
QString InstallTranslations(const QStringList& wanted);

// The language InstallTranslations installed, or "" for English.
QString UiLanguage();
