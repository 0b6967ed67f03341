// Records the throws the turn flow makes while it is alive.
#pragma once

#include <vector>

#include "game/play_observer.h"

class ThrowRecorder : public CPlayObserver {
 public:
  struct Entry {
    ThrowKind kind;
    bool bPlayable;
    int nSeat;  // the seat to move when the dice settled
  };

  ThrowRecorder();
  ~ThrowRecorder() override;
  ThrowRecorder(const ThrowRecorder&) = delete;
  ThrowRecorder& operator=(const ThrowRecorder&) = delete;

  void OnThrow(ThrowKind kind, bool bPlayable) override;

  const std::vector<Entry>& Throws() const { return m_throws; }
  int Count(ThrowKind kind) const;
  int Busts() const;  // rolls again with no playable pair
  int RollsAgainBy(int seat) const;

 private:
  std::vector<Entry> m_throws;
  CPlayObserver* m_pPrevious;
};
