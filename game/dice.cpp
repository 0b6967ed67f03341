#include "game/dice.h"

#include <ctime>

#include "game/board_display.h"
#include "game/game_state.h"
#include "platform/frame_pause.h"
#include "platform/random_source.h"

int g_nDieCount = 0;
CDie g_Dice[4];

int DrawFace() {
  return DrawRandom() % 6 + 1;
}

CDie::CDie() : m_bRedraw(0), m_nIndex(g_nDieCount), m_bSelected(0), m_nValue(0) {
  // Every die reseeds; the start-up seeds once more after the window is shown.
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  ++g_nDieCount;
}

void CDie::Roll() {
  g_bPairPlayed = 0;
  if (m_bSelected == 1) {
    m_bSelected = 0;
    m_bRedraw = 1;
  }
  // Unseen play (the simulator) draws the same faces without showing them.
  const bool shown = BoardDisplay() != nullptr;
  for (int frame = 0; frame < 10; ++frame) {
    const int face = DrawFace();
    if (shown) {
      ShowFace(face);
      Pause(1);
    }
  }
  const int lastFrame = DrawFace();
  if (shown) {
    ShowFace(lastFrame);
  }
  m_nValue = DrawFace();
  RepaintNow();
}

void CDie::ShowFace(int value) {
  const int kept = m_nValue;
  m_nValue = value;
  RepaintNow();
  m_nValue = kept;
}

void CDie::Pause(int /*count*/) {
  FramePause();
}
