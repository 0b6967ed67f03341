// Where the program's help book is: beside the program in the build tree, and
// in the shared data folder of an installed program, found from where the
// program sits. A translated book stands in a folder named by its language.
#pragma once

#include <QStringList>

// The folders to look in, best first: the book in each of the languages
// asked for ("pt_BR", "pt", "de"), in their order, wherever it is; then the
// English one.
QStringList ProgramHelpDirectories(const QStringList& languages);
