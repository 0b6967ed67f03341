#include "game/play_observer.h"

#include <utility>

namespace {
CPlayObserver* g_pPlayObserver = nullptr;
}

CPlayObserver* SetPlayObserver(CPlayObserver* pObserver) {
  return std::exchange(g_pPlayObserver, pObserver);
}

void ReportThrow(ThrowKind kind, bool bPlayable) {
  if (g_pPlayObserver != nullptr) {
    g_pPlayObserver->OnThrow(kind, bPlayable);
  }
}
