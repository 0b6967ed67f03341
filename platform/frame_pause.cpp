#include "platform/frame_pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <thread>

namespace {
std::chrono::milliseconds g_framePause{0};
}

void SetFramePause(std::chrono::milliseconds delay) {
  g_framePause = delay < std::chrono::milliseconds{0} ? std::chrono::milliseconds{0} : delay;
}

std::chrono::milliseconds FramePauseLength() {
  return g_framePause;
}

void FramePause() {
  const qint64 length = g_framePause.count();
  if (length == 0) {
    return;
  }
  if (QCoreApplication::instance() == nullptr) {
    std::this_thread::sleep_for(g_framePause);
    return;
  }
  // Keep answering the window system (exposes, the compositor's pings) while
  // input waits in the queue until the running handler returns.
  QElapsedTimer timer;
  timer.start();
  for (qint64 left = length; left > 0; left = length - timer.elapsed()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds{std::min<qint64>(left, 1)});
  }
}
