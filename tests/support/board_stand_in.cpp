#include "support/board_stand_in.h"

#include <cstdlib>

#include "support/board_mouse.h"

namespace {

// In 64 bits: odd input reaches the ends of the int range.
bool Near(CPoint point, CPoint place) {
  return std::llabs(static_cast<long long>(point.x) - place.x) <= BoardStandIn::kReach &&
         std::llabs(static_cast<long long>(point.y) - place.y) <= BoardStandIn::kReach;
}

}  // namespace

BoardStandIn::BoardStandIn() : m_pPrevious(SetBoardDisplay(this)) {}

BoardStandIn::~BoardStandIn() {
  SetBoardDisplay(m_pPrevious);
}

void BoardStandIn::Frame() {
  ++m_nFrames;
  if (m_onFrame) {
    m_onFrame();
  }
}

void BoardStandIn::Repaint() {
  m_stopShown = m_rollShown = '-';
  Frame();
}

void BoardStandIn::ShowButtonPressed(BoardButton button) {
  (button == BoardButton::kStop ? m_stopShown : m_rollShown) = 'P';
  Frame();
}

void BoardStandIn::ShowBothButtonsLive() {
  m_stopShown = m_rollShown = 'L';
  Frame();
}

int BoardStandIn::DieAt(CPoint point) const {
  for (int die = 0; die < 4; ++die) {
    if (Near(point, DiePoint(die))) {
      return die;
    }
  }
  return -1;
}

BoardButton BoardStandIn::ButtonAt(CPoint point) const {
  if (Near(point, kStopPoint)) {
    return BoardButton::kStop;
  }
  return Near(point, kRollPoint) ? BoardButton::kRoll : BoardButton::kNone;
}

void BoardStandIn::Hold(std::chrono::milliseconds length, const std::function<bool()>& /*done*/) {
  if (m_onHold) {
    m_onHold(length);
  }
}

char BoardStandIn::Shown(BoardButton button) const {
  return button == BoardButton::kStop ? m_stopShown : m_rollShown;
}
