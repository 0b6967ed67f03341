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

// What a number of draws do to the state, x → x * multiplier + increment
// (mod 2^32), so that draws nobody uses can be skipped in one step.
struct RandomJump {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

// The jump of `draws` draws, worked out by doubling.
constexpr RandomJump JumpOfDraws(unsigned draws) {
  RandomJump jump;
  RandomJump step{214013u, 2531011u};
  for (; draws > 0; draws >>= 1) {
    if (draws & 1u) {
      jump = {jump.multiplier * step.multiplier, jump.increment * step.multiplier + step.increment};
    }
    step = {step.multiplier * step.multiplier, step.increment * step.multiplier + step.increment};
  }
  return jump;
}

// Leaves the state where the jump's draws would have left it.
void SkipDraws(RandomJump jump);

// What the last of the jump's draws would return, without making any draw:
// several of them, read from one state, need not wait for each other.
int DrawAt(RandomJump jump);
