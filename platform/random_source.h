// The program's one random source: a linear congruential generator with the
// classic C-runtime contract (values 0 … 32767). It is our own, so a seed gives
// the same sequence on every platform; the C library's rand is not used.
#pragma once

#include <cstdint>

constexpr int kRandomMax = 32767;

// Sets the generator's state to the seed.
void SeedRandom(std::uint32_t seed);

// Advances the state (x * 214013 + 2531011 mod 2^32) and returns bits 16 … 30.
int DrawRandom();
