// A program's icon, from the picture files of each size it comes in.
#pragma once

#include <QIcon>
#include <QString>

// Every PNG file of the folder whose name begins with `prefix`
// (":/icons" and "128" give ":/icons/128-16.png", ":/icons/128-32.png" …).
QIcon IconFromFiles(const QString& folder, const QString& prefix = QString());
