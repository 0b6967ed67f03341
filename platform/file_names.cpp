#include "platform/file_names.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 where there is none
// (overlong forms and encoded surrogates are not well formed).
int SequenceLength(const QByteArray& bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
  };
  const unsigned char lead = byte(at);
  int length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) {
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (byte(at + 1) < low || byte(at + 1) > high) {
    return 0;
  }
  for (int i = 2; i < length; ++i) {
    if (!IsContinuation(byte(at + i))) {
      return 0;
    }
  }
  return length;
}

QString SystemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString name;
  for (qsizetype at = 0; at < bytes.size();) {
    const int length = SequenceLength(bytes, at);
    if (length == 0) {
      name += QChar(static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes[at])));
      ++at;
      continue;
    }
    name += QString::fromUtf8(bytes.constData() + at, length);
    at += length;
  }
  return name;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray bytes;
  qsizetype runStart = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    // A lone low surrogate is an escaped byte; one after a high surrogate is
    // half of an ordinary character.
    const bool escaped = unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF &&
                         (i == 0 || !name[i - 1].isHighSurrogate());
    if (escaped) {
      bytes += name.mid(runStart, i - runStart).toUtf8();
      bytes += static_cast<char>(unit - kEscapedByte);
      runStart = i + 1;
    }
  }
  bytes += name.mid(runStart).toUtf8();
  return bytes;
}

QString CannotOpenMessage(const QString& name) {
  const QString error = FileOpenError(name);
  return error.isEmpty()
             ? error
             : QCoreApplication::translate("FileNames", "cannot open '%1': %2").arg(name, error);
}

QString FileOpenError(const QString& name) {
  const QByteArray path = EncodeFileName(name);
  if (path.isEmpty()) {
    return SystemError(ENOENT);
  }
  const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return SystemError(errno);
  }
  QString error;
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    error = SystemError(errno);
  } else if (S_ISDIR(status.st_mode)) {
    error = SystemError(EISDIR);
  } else if (S_ISFIFO(status.st_mode)) {
    // A pipe with something waiting in it has a writer. An empty one reads
    // as end of file when nobody writes to it, and would block otherwise;
    // neither read takes anything from it.
    int waiting = 0;
    char byte = 0;
    if (::ioctl(fd, FIONREAD, &waiting) == 0 && waiting == 0 && ::read(fd, &byte, 1) == 0) {
      error = QCoreApplication::translate("FileNames", "it is a named pipe that nothing writes to");
    }
  }
  ::close(fd);
  return error;
}
