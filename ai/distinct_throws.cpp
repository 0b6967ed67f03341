#include "ai/distinct_throws.h"

namespace {

std::array<DistinctThrow, kDistinctThrowCount> MakeDistinctThrows() {
  std::array<DistinctThrow, kDistinctThrowCount> kinds{};
  int next = 0;
  for (int a = 1; a <= 6; ++a) {
    for (int b = a; b <= 6; ++b) {
      for (int c = b; c <= 6; ++c) {
        for (int d = c; d <= 6; ++d) {
          const int faces[4] = {a, b, c, d};
          // 4! orders, fewer where faces repeat.
          int ways = 24;
          for (int i = 0, run = 1; i < 4; ++i) {
            run = i > 0 && faces[i] == faces[i - 1] ? run + 1 : 1;
            ways /= run;
          }
          DistinctThrow& kind = kinds[next++];
          kind.nWays = ways;
          for (int i = 0; i < 4; ++i) {
            kind.faces[i] = faces[i];
          }
          kind.pairSums[0][0] = a + b;
          kind.pairSums[0][1] = c + d;
          kind.pairSums[1][0] = a + c;
          kind.pairSums[1][1] = b + d;
          kind.pairSums[2][0] = a + d;
          kind.pairSums[2][1] = b + c;
        }
      }
    }
  }
  return kinds;
}

}  // namespace

const std::array<DistinctThrow, kDistinctThrowCount>& DistinctThrows() {
  static const std::array<DistinctThrow, kDistinctThrowCount> kinds = MakeDistinctThrows();
  return kinds;
}
