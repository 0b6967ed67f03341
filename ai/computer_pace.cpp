#include "ai/computer_pace.h"

#include "game/board_display.h"
#include "platform/frame_pause.h"

GameSpeed g_speed = GameSpeed::kNormal;

namespace {

// The watched turn's pace, or null.
TurnPace* g_pTurnPace = nullptr;

}  // namespace

TurnPace::TurnPace() : m_pOuter(g_pTurnPace), m_framePause(FramePauseLength()) {
  g_pTurnPace = this;
}

TurnPace::~TurnPace() {
  g_pTurnPace = m_pOuter;
  if (!m_bKeepPausesOff) {
    SetFramePause(m_framePause);
  }
}

std::chrono::milliseconds StepHold(GameSpeed speed, PaceStep step) {
  using std::chrono::milliseconds;
  // Normal: long enough to see which dice were chosen and where the peg went.
  milliseconds normal{0};
  switch (step) {
    case PaceStep::kSettledThrow:
      normal = milliseconds{500};
      break;
    case PaceStep::kChosenDice:
    case PaceStep::kPlayedPair:
      normal = milliseconds{400};
      break;
    case PaceStep::kButtonPressed:
      normal = milliseconds{250};
      break;
    case PaceStep::kUnplayableThrow:
      normal = milliseconds{1000};
      break;
  }
  switch (speed) {
    case GameSpeed::kSlow:
      return 2 * normal;
    case GameSpeed::kNormal:
      return normal;
    case GameSpeed::kFast:
      break;
  }
  return milliseconds{0};
}

void HoldStep(PaceStep step) {
  CBoardDisplay* display = BoardDisplay();
  if (ComputerAskedToYield() || display == nullptr) {
    return;
  }
  const std::chrono::milliseconds length = StepHold(g_speed, step);
  if (length.count() == 0) {
    return;
  }
  display->Hold(length, [] { return ComputerAskedToYield(); });
}

void AskComputerToYield() {
  if (g_pTurnPace != nullptr) {
    g_pTurnPace->m_bYieldAsked = true;
    SetFramePause(std::chrono::milliseconds{0});
  }
}

bool ComputerAskedToYield() {
  return g_pTurnPace != nullptr && g_pTurnPace->YieldAsked();
}
