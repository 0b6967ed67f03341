#include "support/dice_control.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/board_display.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "platform/random_source.h"

void SetDice(int d0, int d1, int d2, int d3) {
  const int faces[4] = {d0, d1, d2, d3};
  for (int d = 0; d < 4; ++d) {
    g_Dice[d].m_nValue = faces[d];
    g_Dice[d].m_bSelected = 0;
  }
}

Throw Faces() {
  return {g_Dice[0].m_nValue, g_Dice[1].m_nValue, g_Dice[2].m_nValue, g_Dice[3].m_nValue};
}

bool DiceFreshlyThrown() {
  return std::all_of(std::begin(g_Dice), std::end(g_Dice), [](const CDie& die) {
    return die.m_nValue >= 1 && die.m_nValue <= 6 && die.m_bSelected == 0;
  });
}

Throw ThrowAfterSeed(std::uint32_t seed) {
  SeedRandom(seed);
  for (CDie& die : g_Dice) {
    die.Roll();
  }
  return Faces();
}

int DrawAfterSeed(std::uint32_t seed, int n) {
  SeedRandom(seed);
  int draw = 0;
  for (int i = 0; i < n; ++i) {
    draw = DrawRandom();
  }
  return draw;
}

std::uint32_t FindSeed(const std::function<bool(std::uint32_t)>& accepts) {
  for (std::uint32_t seed = 1; seed <= 1'000'000; ++seed) {
    if (accepts(seed)) {
      return seed;
    }
  }
  ADD_FAILURE() << "no seed gives the draws this test needs";
  return 0;
}

void CheckStatedThrowsInEveryTest() {
  class StatedThrowsCheck : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& /*test*/) override { SetNextThrows({}); }
    void OnTestEnd(const ::testing::TestInfo& /*test*/) override {
      EXPECT_EQ(StatedThrowsLeft(), 0) << "the test stated throws the game never made";
      SetNextThrows({});
    }
  };
  ::testing::UnitTest::GetInstance()->listeners().Append(new StatedThrowsCheck);
}
