#include "platform/frame_pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <thread>

namespace {
std::chrono::milliseconds g_framePause{0};
int g_nPausing = 0;
}  // namespace

void SetFramePause(std::chrono::milliseconds delay) {
  g_framePause = delay < std::chrono::milliseconds{0} ? std::chrono::milliseconds{0} : delay;
}

std::chrono::milliseconds FramePauseLength() {
  return g_framePause;
}

void FramePause() {
  if (g_framePause.count() == 0) {
    return;
  }
  PauseAnswering(g_framePause, [] { return g_framePause.count() == 0; });
}

void HoldFrame(std::chrono::milliseconds length, const std::function<bool()>& done) {
  if (g_framePause.count() == 0 || length.count() <= 0) {
    return;
  }
  PauseAnswering(length, [&done] { return g_framePause.count() == 0 || (done && done()); });
}

void PauseAnswering(std::chrono::nanoseconds length, const std::function<bool()>& done) {
  if (QCoreApplication::instance() == nullptr) {
    std::this_thread::sleep_for(length);
    return;
  }
  ++g_nPausing;
  QElapsedTimer timer;
  timer.start();
  // Every event is processed, input included, so that a close request is seen
  // at once; the window layer holds the input itself until the handler returns.
  while (timer.nsecsElapsed() < length.count() && !(done && done())) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const auto left = std::chrono::nanoseconds{length.count() - timer.nsecsElapsed()};
    std::this_thread::sleep_for(std::clamp(left, std::chrono::nanoseconds{0},
                                           std::chrono::nanoseconds{std::chrono::milliseconds{1}}));
  }
  --g_nPausing;
}

bool IsPausing() {
  return g_nPausing > 0;
}
