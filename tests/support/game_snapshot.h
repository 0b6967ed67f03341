// The whole game state at one moment, to show that something changed nothing.
#pragma once

#include <array>

struct GameSnapshot {
  GameSnapshot();  // takes the present state

  std::array<int, 4 * 13> progress;
  std::array<int, 4 * 4> dice;  // value, selected, redraw and index of each die
  std::array<int, 7> whitePegs;
  std::array<int, 13> scalars;  // seats, options, winner and flags

  bool operator==(const GameSnapshot&) const = default;
};
