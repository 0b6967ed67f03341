// Why the game could not open a window, for the message it ends with: the
// window system Qt was asked for (by -platform, QT_QPA_PLATFORM or the
// session type, as Qt chooses) and the display it was to reach.
#pragma once

#include <QString>
#include <QStringList>

// "cannot open a window ..." with the reason, from the program's arguments
// and Qt's own last word, which lists the window systems it has.
QString WindowSystemFailure(const QStringList& arguments, const QString& qtMessage);
