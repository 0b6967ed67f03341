#include "app/startup_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool Wanted() {
  return std::getenv("TUMBLEROAD_REPORT_STARTUP") != nullptr;
}

std::chrono::steady_clock::time_point g_mainEntered = std::chrono::steady_clock::now();

}  // namespace

void MarkMainEntered() {
  g_mainEntered = std::chrono::steady_clock::now();
}

void ReportFirstPaint() {
  if (!Wanted()) {
    return;
  }
  using std::chrono::duration_cast;
  using std::chrono::microseconds;
  const auto wallClock =
      duration_cast<microseconds>(std::chrono::system_clock::now().time_since_epoch());
  const auto sinceMain =
      duration_cast<microseconds>(std::chrono::steady_clock::now() - g_mainEntered);
  std::fprintf(stderr,
               "tumbleroad: first board paint at %lld us since the epoch, %.1f ms after main\n",
               static_cast<long long>(wallClock.count()), sinceMain.count() / 1000.0);
}

void ReportOpeningThrow(double milliseconds) {
  if (Wanted()) {
    std::fprintf(stderr, "tumbleroad: opening throw of four dice took %.1f ms\n", milliseconds);
  }
}
