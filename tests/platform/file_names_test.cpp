#include "platform/file_names.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(FileNames, EveryByteStringSurvivesTheRoundTrip) {
  const QByteArray names[] = {
      "plain.txt",
      "caf\xc3\xa9",             // valid UTF-8
      "\xf0\x9f\x8e\xb2 dice",   // a character outside the BMP
      "latin1-\xe9t\xe9",        // not UTF-8
      "\xed\xa0\x80 surrogate",  // an encoded surrogate is not UTF-8
      "\xc0\xaf overlong",       // nor is an overlong form
      "cut \xe2\x82",            // nor a sequence cut short
      "\xf0\x9f\x8e\xb2\xdc",    // an escaped byte after a pair
  };
  for (const QByteArray& bytes : names) {
    EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << bytes.toHex().constData();
  }
  EXPECT_EQ(DecodeFileName("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
}

TEST(FileNames, OnlyFilesThatCanBeReadAtOnceAreAccepted) {
  QTemporaryDir dir;
  const QString readable = dir.filePath("game.txt");
  QFile(readable).open(QIODevice::WriteOnly);
  EXPECT_TRUE(FileOpenError(readable).isEmpty());
  EXPECT_FALSE(FileOpenError(dir.filePath("missing.txt")).isEmpty());
  EXPECT_FALSE(FileOpenError(dir.path()).isEmpty());
  EXPECT_FALSE(FileOpenError(QString()).isEmpty());

  // A name that is not UTF-8 opens as the bytes given.
  const QByteArray latin1 = QFile::encodeName(dir.path()) + "/\xe9t\xe9.txt";
  ASSERT_EQ(::close(::creat(latin1.constData(), 0644)), 0);
  EXPECT_TRUE(FileOpenError(DecodeFileName(latin1)).isEmpty());

  if (::geteuid() != 0) {  // root reads everything
    const QString locked = dir.filePath("locked.txt");
    QFile(locked).open(QIODevice::WriteOnly);
    ::chmod(QFile::encodeName(locked).constData(), 0);
    EXPECT_FALSE(FileOpenError(locked).isEmpty());
  }
}

// A named pipe would block a plain open until something writes to it.
TEST(FileNames, ANamedPipeIsAnsweredAtOnce) {
  QTemporaryDir dir;
  const QByteArray fifo = QFile::encodeName(dir.filePath("pipe"));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  EXPECT_TRUE(FileOpenError(QFile::decodeName(fifo)).contains("named pipe"));

  const int writer = ::open(fifo.constData(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  EXPECT_TRUE(FileOpenError(QFile::decodeName(fifo)).isEmpty()) << "a pipe with a writer";
  ASSERT_EQ(::write(writer, "x", 1), 1);
  EXPECT_TRUE(FileOpenError(QFile::decodeName(fifo)).isEmpty()) << "a pipe with data";
  char byte = 0;
  EXPECT_EQ(::read(writer, &byte, 1), 1) << "the check took the data";
  ::close(writer);
}

}  // namespace
