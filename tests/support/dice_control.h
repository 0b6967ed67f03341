// Puts the dice where a test needs them: faces set by hand between throws,
// or a seed found whose coming throws have the faces a scenario needs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

using Throw = std::array<int, 4>;

// Sets the four faces; no die selected.
void SetDice(int d0, int d1, int d2, int d3);

// The faces the four dice show.
Throw Faces();
// Every die shows a face 1 … 6 and none is selected, as a throw leaves them.
bool DiceFreshlyThrown();

// The faces the next throw of the four dice shows after seeding with the
// seed, when nDrawsBefore draws are made first (a throw takes 48 draws).
// It uses the game's random source: seed again before the real throw.
Throw ThrowAfterSeed(std::uint32_t seed, int nDrawsBefore = 0);

// The n-th draw (from 1) of the random source after seeding with the seed.
int DrawAfterSeed(std::uint32_t seed, int n);

// The six pair sums of a throw: 0+1, 0+2, 0+3, 1+2, 1+3, 2+3.
std::array<int, 6> PairSumsOf(const Throw& faces);
bool HasPairSum(const Throw& faces, int sum);

// The first seed from 1 on that the test accepts; fails the test (and
// returns 0) when none of the first million does.
std::uint32_t FindSeed(const std::function<bool(std::uint32_t)>& accepts);
