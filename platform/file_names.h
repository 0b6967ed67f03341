// File names as the user gave them. On Linux a file name is a string of bytes
// that need not be valid UTF-8; the program keeps names in QStrings, so bytes
// that are not UTF-8 are carried as lone surrogates U+DC80..U+DCFF and given
// back unchanged when the file is opened.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// Why the file cannot be opened for reading at once, or an empty string when
// it can. Never blocks: a named pipe that nobody writes to is refused rather
// than waited on. Nothing is read from the file.
QString FileOpenError(const QString& name);
// The same, as the program says it: "cannot open 'name': why"; empty when
// the file can be opened.
QString CannotOpenMessage(const QString& name);
