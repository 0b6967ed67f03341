// Where the program's help book is: beside the program in the build tree, and
// in the shared data folder of an installed program, found from where the
// program sits.
#pragma once

#include <QStringList>

QStringList ProgramHelpDirectories();
