#include "game/play_events.h"

#include <utility>

namespace {
CPlayListener* g_pPlayListener = nullptr;
}

CPlayListener* SetPlayListener(CPlayListener* pListener) {
  return std::exchange(g_pPlayListener, pListener);
}

bool HasPlayListener() {
  return g_pPlayListener != nullptr;
}

void ReportPlayEvent(const PlayEvent& event) {
  if (g_pPlayListener != nullptr) {
    g_pPlayListener->OnPlayEvent(event);
  }
}
