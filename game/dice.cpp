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
// The draw of each die's kept face within a throw of the four: the last of
// its own draws, after those of the dice before it.
constexpr RandomJump kKeptFaceDraw[4] = {
    JumpOfDraws(1 * (kAnimationFrames + 1)), JumpOfDraws(2 * (kAnimationFrames + 1)),
    JumpOfDraws(3 * (kAnimationFrames + 1)), JumpOfDraws(4 * (kAnimationFrames + 1))};

// Faces tests have stated for the coming throws, die by die, and how many
// are left in all: a throw of the game asks only the count.
std::deque<int> g_statedFaces[4];
int g_statedFacesLeft = 0;

// A draw is never negative: unsigned, the remainder is a plain one.
int FaceOfDraw(int draw) {
  return static_cast<int>(static_cast<unsigned>(draw) % 6u) + 1;
}
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
  g_statedFacesLeft = 4 * static_cast<int>(throws.size());
}

int StatedThrowsLeft() {
  std::size_t left = 0;
  for (const std::deque<int>& faces : g_statedFaces) {
    left = std::max(left, faces.size());
  }
  return static_cast<int>(left);
}

int DrawFace() {
  return FaceOfDraw(DrawRandom());
}

CDie::CDie() : m_bRedraw(0), m_nIndex(g_nDieCount), m_bSelected(0), m_nValue(0) {
  // Every die reseeds; the start-up seeds once more after the window is shown.
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  ++g_nDieCount;
}

void CDie::Roll() {
  StartThrow();
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
  Settle(DrawFace());
}

void CDie::StartThrow() {
  g_bPairPlayed = 0;
  if (m_bSelected == 1) {
    m_bSelected = 0;
    m_bRedraw = 1;
  }
}

void CDie::Settle(int face) {
  m_nValue = face;
  TakeStatedFace();
  RepaintNow();
}

void CDie::TakeStatedFace() {
  if (std::deque<int>& stated = g_statedFaces[m_nIndex]; g_statedFacesLeft > 0 && !stated.empty()) {
    m_nValue = stated.front();
    stated.pop_front();
    --g_statedFacesLeft;
  }
}

void ThrowDice() {
  if (BoardDisplay() != nullptr) {
    for (CDie& die : g_Dice) {
      die.Roll();
    }
    return;
  }
  // Unseen, each kept face is read from the random source's state in one
  // step of its own, and the state then jumps past the whole throw: the four
  // steps need not wait for each other as 48 draws in a row would, and the
  // faces and the draws after them are those of a throw shown.
  int draws[4];
  for (int d = 0; d < 4; ++d) {
    draws[d] = DrawAt(kKeptFaceDraw[d]);
  }
  SkipDraws(kKeptFaceDraw[3]);
  // Nothing watches: the dice settle without a repaint.
  for (int d = 0; d < 4; ++d) {
    g_Dice[d].StartThrow();
    g_Dice[d].m_nValue = FaceOfDraw(draws[d]);
  }
  if (g_statedFacesLeft > 0) {
    for (CDie& die : g_Dice) {
      die.TakeStatedFace();
    }
  }
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
