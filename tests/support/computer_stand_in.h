// The computer for tests of the rules alone, installed for the lifetime of
// the object: it plays nothing and notes the seat to move each time the
// rules hand it the move.
#pragma once

#include <vector>

#include "game/computer_hand_over.h"

class ComputerStandIn : public CComputerToMove {
 public:
  ComputerStandIn() : m_pPrevious(SetComputerToMove(this)) {}
  ~ComputerStandIn() override { SetComputerToMove(m_pPrevious); }
  ComputerStandIn(const ComputerStandIn&) = delete;
  ComputerStandIn& operator=(const ComputerStandIn&) = delete;

  void TakeTheMove() override;

  const std::vector<int>& SeatsHandedOver() const { return m_seats; }

 private:
  CComputerToMove* m_pPrevious;
  std::vector<int> m_seats;
};
