// The floor of the simulator: for each throw only what a throw of the rules
// needs, with no turn, no computer and no game around it: four faces drawn
// from the random source, the six pair sums, and the three pairings checked
// against the white pegs and the open columns. A throw that can be played
// puts a white peg on its first playable column; three pegs, or a bust, end
// the turn, and a peg that reaches the top claims its column.
//
//   tumbleroad_sim_floor THROWS [SEED]
//
// Prints how many throws could be played, so that none of the work is left out.
#include <cstdio>
#include <cstdlib>

#include "platform/random_source.h"

namespace {

constexpr int kHeight[13] = {0, 0, 3, 5, 7, 9, 11, 13, 11, 9, 7, 5, 3};
// The ways to split four dice into two pairs, as indices of the six sums
// 0+1, 0+2, 0+3, 1+2, 1+3, 2+3.
constexpr int kPairings[3][2] = {{0, 5}, {1, 4}, {2, 3}};

struct Turn {
  int column[3] = {};
  int height[3] = {};
  int count = 0;
  bool open[13] = {};
  int claimed = 0;

  // The slot of the column's white peg, or -1.
  int Slot(int column) const {
    for (int slot = 0; slot < count; ++slot) {
      if (this->column[slot] == column) {
        return slot;
      }
    }
    return -1;
  }
  bool Playable(int sum) const {
    const int slot = Slot(sum);
    return slot >= 0 ? height[slot] < kHeight[sum] : count < 3 && open[sum];
  }
  void Play(int sum) {
    int slot = Slot(sum);
    if (slot < 0) {
      slot = count++;
      column[slot] = sum;
      height[slot] = 0;
    }
    if (++height[slot] == kHeight[sum]) {
      open[sum] = false;
      ++claimed;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tumbleroad_sim_floor THROWS [SEED]\n");
    return 2;
  }
  const long long throws = std::atoll(argv[1]);
  SeedRandom(argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1u);
  Turn turn;
  for (bool& open : turn.open) {
    open = true;
  }
  long long played = 0;
  for (long long t = 0; t < throws; ++t) {
    int faces[4];
    for (int& face : faces) {
      face = DrawRandom() % 6 + 1;
    }
    int sums[6];
    int next = 0;
    for (int first = 0; first < 4; ++first) {
      for (int second = first + 1; second < 4; ++second) {
        sums[next++] = faces[first] + faces[second];
      }
    }
    int chosen = 0;
    for (const auto& pairing : kPairings) {
      for (const int pair : pairing) {
        if (chosen == 0 && turn.Playable(sums[pair])) {
          chosen = sums[pair];
        }
      }
    }
    if (chosen == 0 || turn.count == 3) {
      turn.count = 0;
    }
    if (chosen != 0) {
      turn.Play(chosen);
      ++played;
    }
    // Three columns claimed end the game: a new one starts.
    if (turn.claimed == 3) {
      turn = Turn{};
      for (bool& open : turn.open) {
        open = true;
      }
    }
  }
  std::printf("throws %lld, played %lld\n", throws, played);
  return 0;
}
