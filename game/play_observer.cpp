#include "game/play_observer.h"

namespace {
CPlayObserver* g_pPlayObserver = nullptr;
}

CPlayObserver* SetPlayObserver(CPlayObserver* pObserver) {
  CPlayObserver* previous = g_pPlayObserver;
  g_pPlayObserver = pObserver;
  return previous;
}

void ReportThrow(ThrowKind kind, bool bPlayable) {
  if (g_pPlayObserver != nullptr) {
    g_pPlayObserver->OnThrow(kind, bPlayable);
  }
}
