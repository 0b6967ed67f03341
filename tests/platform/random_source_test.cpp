#include "platform/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> Draws(std::uint32_t seed, int count) {
  SeedRandom(seed);
  std::vector<int> draws;
  for (int i = 0; i < count; ++i) {
    draws.push_back(DrawRandom());
  }
  return draws;
}

}  // namespace

// Expected values worked out by hand from state = state * 214013 + 2531011
// (mod 2^32), result = bits 16 … 30 of the new state.
TEST(RandomSource, ReproducesTheClassicGeneratorBitForBit) {
  EXPECT_EQ(Draws(1, 10),
            (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
  EXPECT_EQ(Draws(0, 6), (std::vector<int>{38, 7719, 21238, 2437, 8855, 11797}));
  EXPECT_EQ(Draws(12345, 6), (std::vector<int>{7584, 19164, 25795, 22125, 5828, 23405}));
  EXPECT_EQ(Draws(0xffffffffu, 6), (std::vector<int>{35, 29739, 3374, 11141, 31308, 7870}));
}

// The run from seed 1 is the classic generator's well-known one; further on,
// draws 1000 and 10000, and the ends of 0 … 32767 within the first 40000.
TEST(RandomSource, KeepsToTheClassicRunAndReseedingRepeatsIt) {
  const std::vector<int> draws = Draws(1, 40000);
  EXPECT_EQ(std::vector<int>(draws.begin() + 10, draws.begin() + 20),
            (std::vector<int>{5705, 28145, 23281, 16827, 9961, 491, 2995, 11942, 4827, 5436}));
  EXPECT_EQ(draws[999], 12249);
  EXPECT_EQ(draws[9999], 18796);
  EXPECT_EQ(*std::min_element(draws.begin(), draws.end()), 0);
  EXPECT_EQ(*std::max_element(draws.begin(), draws.end()), kRandomMax);
  Draws(2026, 5);
  EXPECT_EQ(Draws(1, 40000), draws);
}

// A jump leaves the generator where as many draws would have: a throw's
// eleven frames, a whole throw, none, and runs long enough to use every bit
// of the doubling.
TEST(RandomSource, SkippingDrawsLeavesTheSameSequence) {
  for (const std::uint32_t seed : {1u, 0u, 0xffffffffu, 2026u}) {
    for (const unsigned skipped : {0u, 1u, 11u, 12u, 48u, 1000u, 65537u}) {
      const std::vector<int> drawn = Draws(seed, static_cast<int>(skipped) + 5);
      SeedRandom(seed);
      SkipDraws(JumpOfDraws(skipped));
      std::vector<int> after;
      for (int i = 0; i < 5; ++i) {
        after.push_back(DrawRandom());
      }
      EXPECT_EQ(after, std::vector<int>(drawn.end() - 5, drawn.end()))
          << "seed " << seed << ", " << skipped << " draws skipped";
    }
  }
}
