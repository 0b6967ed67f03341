// Puts the dice where a test needs them: faces set by hand between throws, or
// stated for the throws to come with SetNextThrows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/dice_faces_for_tests.h"

using Throw = std::array<int, 4>;

// Sets the four faces; no die selected.
void SetDice(int d0, int d1, int d2, int d3);

// The faces the four dice show.
Throw Faces();
// Every die shows a face 1 … 6 and none is selected, as a throw leaves them.
bool DiceFreshlyThrown();

// The faces of a throw of the four dice made right after seeding with the
// seed: a real throw, which leaves the dice showing them.
Throw ThrowAfterSeed(std::uint32_t seed);

// The n-th draw (from 1) of the random source after seeding with the seed.
int DrawAfterSeed(std::uint32_t seed, int n);

// The draws a throw of the four dice takes from the random source: twelve a
// die, seen or not, as the dice's own tests check.
constexpr int kDrawsOfAThrow = 48;

// The first seed from 1 on that the test accepts; fails the test (and
// returns 0) when none of the first million does.
std::uint32_t FindSeed(const std::function<bool(std::uint32_t)>& accepts);

// Makes every test start with no throws stated, and fails a test that ends
// with throws it stated and never saw made. Called once by a test program's main.
void CheckStatedThrowsInEveryTest();
