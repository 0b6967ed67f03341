#include "platform/random_source.h"

#include <gtest/gtest.h>

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

TEST(RandomSource, StaysInRangeAndReseedingRepeatsTheSequence) {
  const std::vector<int> first = Draws(2026, 100000);
  for (const int draw : first) {
    ASSERT_GE(draw, 0);
    ASSERT_LE(draw, kRandomMax);
  }
  EXPECT_EQ(Draws(2026, 100000), first);
}
