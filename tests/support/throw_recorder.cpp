#include "support/throw_recorder.h"

#include "game/game_state.h"

ThrowRecorder::ThrowRecorder() : m_pPrevious(SetPlayObserver(this)) {}

ThrowRecorder::~ThrowRecorder() {
  SetPlayObserver(m_pPrevious);
}

void ThrowRecorder::OnThrow(ThrowKind kind, bool bPlayable) {
  m_throws.push_back({kind, bPlayable, g_nCurrentPlayer});
}

int ThrowRecorder::Count(ThrowKind kind) const {
  int count = 0;
  for (const Entry& entry : m_throws) {
    count += entry.kind == kind ? 1 : 0;
  }
  return count;
}

int ThrowRecorder::Busts() const {
  int count = 0;
  for (const Entry& entry : m_throws) {
    count += entry.kind == ThrowKind::kRollAgain && !entry.bPlayable ? 1 : 0;
  }
  return count;
}

int ThrowRecorder::RollsAgainBy(int seat) const {
  int count = 0;
  for (const Entry& entry : m_throws) {
    count += entry.kind == ThrowKind::kRollAgain && entry.nSeat == seat ? 1 : 0;
  }
  return count;
}
