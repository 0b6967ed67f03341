#include "platform/random_source.h"

namespace {
std::uint32_t g_randomState = 1;
}

void SeedRandom(std::uint32_t seed) {
  g_randomState = seed;
}

int DrawRandom() {
  g_randomState = g_randomState * 214013u + 2531011u;
  return static_cast<int>((g_randomState >> 16) & 0x7fffu);
}

void SkipDraws(RandomJump jump) {
  g_randomState = g_randomState * jump.multiplier + jump.increment;
}
