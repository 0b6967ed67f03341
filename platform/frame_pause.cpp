#include "platform/frame_pause.h"

#include <QCoreApplication>
#include <QTimer>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds g_framePause{0};
int g_nPausing = 0;
// When the last frame shown was due; none before the first.
std::optional<Clock::time_point> g_lastFrameDue;

bool FramesPaused() {
  return g_framePause.count() > 0;
}

// Waits until the deadline, answering the window system; see PauseAnswering.
void PauseUntil(Clock::time_point deadline, const std::function<bool()>& done) {
  if (QCoreApplication::instance() == nullptr) {
    std::this_thread::sleep_until(deadline);
    return;
  }
  ++g_nPausing;
  // The timer only wakes the wait below; a timer that ends early (a nested
  // wait took its event) is started again for what is left.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  // Every event is processed, input included, so that a close request is seen
  // at once; the window layer holds the input itself until the handler returns.
  // Even a pause already over answers what is waiting.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  while (!(done && done())) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
      break;
    }
    if (!wake.isActive()) {
      // Whole milliseconds, rounded up: a wake-up before the deadline would
      // only mean a second one.
      wake.start(std::chrono::ceil<std::chrono::milliseconds>(left));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  --g_nPausing;
}

// When the frame after the last one shown is due, `refreshes` refreshes on.
Clock::time_point FrameDue(long refreshes) {
  return *g_lastFrameDue + refreshes * std::chrono::duration_cast<Clock::duration>(kFramePeriod);
}

}  // namespace

void SetFramePause(std::chrono::milliseconds delay) {
  g_framePause = delay < std::chrono::milliseconds{0} ? std::chrono::milliseconds{0} : delay;
}

std::chrono::milliseconds FramePauseLength() {
  return g_framePause;
}

void FramePause() {
  if (!FramesPaused()) {
    return;
  }
  const auto stop = [] { return !FramesPaused(); };
  if (!g_lastFrameDue) {
    PauseAnswering(g_framePause, stop);
    return;
  }
  const long refreshes =
      static_cast<long>((g_framePause + kFramePeriod - std::chrono::nanoseconds{1}) / kFramePeriod);
  PauseUntil(FrameDue(refreshes), stop);
}

void HoldFrame(std::chrono::milliseconds length, const std::function<bool()>& done) {
  if (!FramesPaused() || length.count() <= 0) {
    return;
  }
  PauseAnswering(length, [&done] { return !FramesPaused() || (done && done()); });
}

void WaitForFrameDue(const std::function<bool()>& done) {
  if (!FramesPaused() || !g_lastFrameDue) {
    return;
  }
  PauseUntil(FrameDue(1), [&done] { return !FramesPaused() || (done && done()); });
}

void MarkFrameShown() {
  const auto now = Clock::now();
  if (g_lastFrameDue) {
    const auto due = FrameDue(1);
    if (now < FrameDue(2)) {
      // On time, or nearly: the next frame keeps to the schedule.
      g_lastFrameDue = now < due ? now : due;
      return;
    }
  }
  g_lastFrameDue = now;
}

void PauseAnswering(std::chrono::nanoseconds length, const std::function<bool()>& done) {
  PauseUntil(Clock::now() + std::chrono::duration_cast<Clock::duration>(length), done);
}

bool IsPausing() {
  return g_nPausing > 0;
}
