#include "game/dice.h"

#include <algorithm>
#include <ctime>
#include <deque>

#include "game/board_display.h"
#include "game/dice_faces_for_tests.h"
#include "game/game_state.h"
#include "platform/frame_pause.h"
#include "platform/random_source.h"

int g_nDieCount = 0;
CDie g_Dice[4];

namespace {
// Faces a throw shows before the die settles, each drawn from the random source.
constexpr int kAnimationFrames = 11;
constexpr RandomJump kAnimationDraws = JumpOfDraws(kAnimationFrames);

// Faces tests have stated for the coming throws, die by die.
std::deque<int> g_statedFaces[4];
}  // namespace

void SetNextThrows(std::initializer_list<std::array<int, 4>> throws) {
  for (std::deque<int>& faces : g_statedFaces) {
    faces.clear();
  }
  for (const std::array<int, 4>& faces : throws) {
    for (int d = 0; d < 4; ++d) {
      g_statedFaces[d].push_back(faces[d]);
    }
  }
}

int StatedThrowsLeft() {
  std::size_t left = 0;
  for (const std::deque<int>& faces : g_statedFaces) {
    left = std::max(left, faces.size());
  }
  return static_cast<int>(left);
}

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
  if (BoardDisplay() != nullptr) {
    for (int frame = 0; frame < kAnimationFrames - 1; ++frame) {
      ShowFace(DrawFace());
      Pause(1);
    }
    ShowFace(DrawFace());
  } else {
    // Unseen play (the simulator) skips the frames' faces in one step: the
    // draws that follow, and so every game, are the same as on screen.
    SkipDraws(kAnimationDraws);
  }
  m_nValue = DrawFace();
  if (std::deque<int>& stated = g_statedFaces[m_nIndex]; !stated.empty()) {
    m_nValue = stated.front();
    stated.pop_front();
  }
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
