#include "platform/random_source.h"

namespace {

std::uint32_t g_randomState = 1;

// A draw's value: bits 16 … 30 of the state it leaves.
int DrawOfState(std::uint32_t state) {
  return static_cast<int>((state >> 16) & 0x7fffu);
}

}  // namespace

void SeedRandom(std::uint32_t seed) {
  g_randomState = seed;
}

int DrawRandom() {
  g_randomState = g_randomState * 214013u + 2531011u;
  return DrawOfState(g_randomState);
}

void SkipDraws(RandomJump jump) {
  g_randomState = g_randomState * jump.multiplier + jump.increment;
}

int DrawAt(RandomJump jump) {
  return DrawOfState(g_randomState * jump.multiplier + jump.increment);
}
