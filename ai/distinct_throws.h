// The 1,296 throws of four dice gathered into the 126 distinct sets of faces.
// A set's three pairings do not depend on the board, so the strong computer
// works through 126 kinds of throw, each weighed by how many throws show it.
#pragma once

#include <array>

struct DistinctThrow {
  int nWays;           // throws of the 1,296 that show these faces
  int faces[4];        // in ascending order
  int pairSums[3][2];  // the three ways to split the faces into two pairs
};

constexpr int kThrowCount = 1296;
constexpr int kDistinctThrowCount = 126;

const std::array<DistinctThrow, kDistinctThrowCount>& DistinctThrows();
