#include "app/pace_report.h"

#include <cstdio>
#include <cstdlib>

#include "platform/frame_pause.h"

void ReportHeldStep(std::chrono::milliseconds hold) {
  static const bool wanted = std::getenv("TUMBLEROAD_REPORT_PACE") != nullptr;
  if (wanted) {
    std::fprintf(stderr, "tumbleroad: computer step held %lld ms, frame pause %lld ms\n",
                 static_cast<long long>(hold.count()),
                 static_cast<long long>(FramePauseLength().count()));
  }
}
