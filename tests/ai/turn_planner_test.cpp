// The strong computer's planner: its moves against the rules' own, and its
// values against a plain search of every throw on small positions.
#include "ai/turn_planner.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "ai/distinct_throws.h"
#include "ai/strong_computer.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_setup.h"

namespace {

using Pegs = std::vector<std::pair<int, int>>;  // column, cell; ascending

Pegs PegsOf(const PegState& state) {
  Pegs pegs;
  for (int i = 0; i < state.nCount; ++i) {
    pegs.emplace_back(state.column[i], state.height[i]);
  }
  return pegs;
}

// A random position of a game in progress: seats' pegs, claims among them,
// and the seat to move's white pegs.
void RandomPosition() {
  ResetGameState();
  g_nPlayers = 2 + DrawRandom() % 3;
  g_nCurrentPlayer = DrawRandom() % g_nPlayers;
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    for (int column = 2; column <= 12; ++column) {
      const int roll = DrawRandom() % 8;
      // A claim now and then, and only one seat's.
      const int cell = roll == 0 && IsColumnOpen(column) ? g_nColumnHeight[column]
                                                         : DrawRandom() % g_nColumnHeight[column];
      g_nProgress[seat][column] = cell;
    }
  }
  g_WhitePegs.Clear();
  const int pegs = DrawRandom() % 4;
  for (int tries = 0; g_WhitePegs.m_nCount < pegs && tries < 50; ++tries) {
    const int column = 2 + DrawRandom() % 11;
    const bool held = g_WhitePegs.m_nColumn[0] == column || g_WhitePegs.m_nColumn[1] == column ||
                      g_WhitePegs.m_nColumn[2] == column;
    if (!held && g_WhitePegs.Place(column)) {
      const int slot = g_WhitePegs.m_nCount - 1;
      const int room = g_nColumnHeight[column] - g_WhitePegs.m_nHeight[slot];
      g_WhitePegs.m_nHeight[slot] += DrawRandom() % (room + 1);
    }
  }
  for (CDie& die : g_Dice) {
    die.m_nValue = 1 + DrawRandom() % 6;
  }
}

// What the planner's move list makes of the throw on the dice: the white
// pegs after each result, cells cut at the top.
std::set<Pegs> PlannerResults() {
  const PegState now = PegStateOf(g_WhitePegs);
  unsigned held = 0;
  unsigned topped = 0;
  for (int i = 0; i < now.nCount; ++i) {
    held |= 1U << now.column[i];
    if (now.height[i] == g_nColumnHeight[now.column[i]]) {
      topped |= 1U << now.column[i];
    }
  }
  unsigned open = 0;
  for (int column = 2; column <= 12; ++column) {
    open |= (IsColumnOpen(column) ? 1U : 0U) << column;
  }
  const int d[4] = {g_Dice[0].m_nValue, g_Dice[1].m_nValue, g_Dice[2].m_nValue, g_Dice[3].m_nValue};
  const int sums[3][2] = {
      {d[0] + d[1], d[2] + d[3]}, {d[0] + d[2], d[1] + d[3]}, {d[0] + d[3], d[1] + d[2]}};
  // As the planner takes them: every column open, less the results that
  // open a claimed one.
  std::uint32_t results[12];
  const int count = ThrowResults(sums, held, topped, 0x1ffcU, results);
  std::set<Pegs> out;
  for (int r = 0; r < count; ++r) {
    bool opensClaimed = false;
    for (int column = 2; column <= 12; ++column) {
      const bool climbs = (results[r] >> (2 * column) & 3U) != 0;
      opensClaimed =
          opensClaimed || (climbs && (held >> column & 1U) == 0 && (open >> column & 1U) == 0);
    }
    if (opensClaimed) {
      continue;
    }
    std::map<int, int> cells;
    for (int i = 0; i < now.nCount; ++i) {
      cells[now.column[i]] = now.height[i];
    }
    for (int column = 2; column <= 12; ++column) {
      const int climb = static_cast<int>(results[r] >> (2 * column) & 3U);
      if (climb > 0) {
        const int from =
            cells.contains(column) ? cells[column] : g_nProgress[g_nCurrentPlayer][column];
        cells[column] = std::min(from + climb, g_nColumnHeight[column]);
      }
    }
    out.insert(Pegs(cells.begin(), cells.end()));
  }
  return out;
}

TEST(DistinctThrowsTest, CoverEveryThrowOnce) {
  int ways = 0;
  std::set<std::vector<int>> faces;
  for (const DistinctThrow& kind : DistinctThrows()) {
    ways += kind.nWays;
    faces.insert({kind.faces, kind.faces + 4});
  }
  EXPECT_EQ(ways, kThrowCount);
  EXPECT_EQ(faces.size(), static_cast<std::size_t>(kDistinctThrowCount));
}

// The planner never reads the rules while planning: its list of moves must
// be the rules' own, with one white peg left, doubles, topped pegs and closed
// columns, on positions of every kind.
TEST(TurnPlannerTest, ItsMovesAreTheRulesMoves) {
  SeedRandom(2026);
  for (int position = 0; position < 20000; ++position) {
    RandomPosition();
    std::set<Pegs> rules;
    for (const ThrowPlay& play : WaysToPlay()) {
      rules.insert(PegsOf(play.after));
    }
    ASSERT_EQ(PlannerResults(), rules) << "position " << position;
  }
}

// The plain search: every one of the 1,296 throws, every way the rules allow
// to play it, rolling or stopping at best.
class BruteForce {
 public:
  explicit BruteForce(CTurnPlanner& planner) : m_planner(planner) {}

  double Value(const CWhitePegs& pegs) {
    const PegState state = PegStateOf(pegs);
    const auto key = PegsOf(state);
    if (const auto known = m_memo.find(key); known != m_memo.end()) {
      return known->second;
    }
    const double value = std::max(m_planner.StopValue(state), Roll(pegs));
    m_memo[key] = value;
    return value;
  }

  double Roll(const CWhitePegs& pegs) {
    double sum = 0;
    for (int t = 0; t < kThrowCount; ++t) {
      const int d[4] = {1 + t % 6, 1 + t / 6 % 6, 1 + t / 36 % 6, 1 + t / 216};
      const int pairings[3][2] = {
          {d[0] + d[1], d[2] + d[3]}, {d[0] + d[2], d[1] + d[3]}, {d[0] + d[3], d[1] + d[2]}};
      double best = -1;
      for (const auto& pairing : pairings) {
        for (int first = 0; first < 2; ++first) {
          CWhitePegs one = pegs;
          if (!one.Advance(pairing[first])) {
            continue;
          }
          best = std::max(best, Value(one));
          if (one.Advance(pairing[1 - first])) {
            best = std::max(best, Value(one));
          }
        }
      }
      sum += best < 0 ? m_planner.StopValue(PegState{}) : best;
    }
    return sum / kThrowCount;
  }

  double BustChance(const CWhitePegs& pegs) {
    int busts = 0;
    for (int t = 0; t < kThrowCount; ++t) {
      for (int die = 0; die < 4; ++die) {
        g_Dice[die].m_nValue = 1 + t / (die == 0 ? 1 : die == 1 ? 6 : die == 2 ? 36 : 216) % 6;
      }
      busts += pegs.CanMove() ? 0 : 1;
    }
    return static_cast<double>(busts) / kThrowCount;
  }

 private:
  CTurnPlanner& m_planner;
  std::map<Pegs, double> m_memo;
};

struct SmallPosition {
  const char* name;
  std::vector<std::array<int, 3>> progress;  // seat, column, cell; seat 0 to move
  std::vector<int> claimedByOthers;          // by seat 1
  Pegs white;                                // the white pegs the values are asked at
  int columnsToWin;
};

void PrintTo(const SmallPosition& position, std::ostream* os) {
  *os << position.name;
}

const SmallPosition kSmallPositions[] = {
    // Three columns left: only three-peg states once all are held.
    {"ThreeOpenColumns", {{0, 2, 1}, {0, 3, 3}, {0, 12, 1}}, {4, 5, 6, 7, 8, 9, 10, 11}, {}, 3},
    // Four open columns: the last slot and which column takes it.
    {"FourOpenColumnsNoPegs",
     {{0, 2, 2}, {0, 3, 3}, {0, 11, 4}, {0, 12, 1}},
     {4, 5, 6, 7, 8, 9, 10},
     {},
     3},
    {"FourOpenColumnsOnePeg",
     {{0, 2, 1}, {0, 3, 2}, {0, 11, 3}, {0, 12, 1}},
     {4, 5, 6, 7, 8, 9, 10},
     {{3, 4}},
     2},
    {"TwoPegsOneOnTheTop",
     {{0, 2, 2}, {0, 4, 5}, {0, 12, 1}, {0, 3, 1}},
     {5, 6, 7, 8, 9, 10, 11},
     {{2, 3}, {4, 6}},
     3},
    // A claim of its own: the column is closed to its pegs too.
    {"OwnClaimClosesAColumn",
     {{0, 2, 3}, {0, 3, 4}, {0, 11, 4}, {0, 12, 2}, {0, 4, 6}},
     {5, 6, 7, 8, 9, 10},
     {{3, 5}},
     2},
};

class TurnPlannerValueTest : public ::testing::TestWithParam<SmallPosition> {};

TEST_P(TurnPlannerValueTest, MatchesThePlainSearch) {
  const SmallPosition& position = GetParam();
  ResetGameState();
  g_nPlayers = 2;
  g_nColumnsToWin = position.columnsToWin;
  for (const auto& [seat, column, cell] : position.progress) {
    g_nProgress[seat][column] = cell;
  }
  for (const int column : position.claimedByOthers) {
    Claim(1, {column});
  }
  g_WhitePegs.Clear();
  for (const auto& [column, cell] : position.white) {
    ASSERT_TRUE(g_WhitePegs.Place(column));
    g_WhitePegs.m_nHeight[g_WhitePegs.m_nCount - 1] = cell;
  }
  CTurnPlanner planner;
  planner.Prepare(PlannerBoardOfSeatToMove());
  BruteForce brute(planner);
  const PegState state = PegStateOf(g_WhitePegs);
  EXPECT_NEAR(planner.Value(state), brute.Value(g_WhitePegs), 1e-4);
  EXPECT_NEAR(planner.RollValue(state), brute.Roll(g_WhitePegs), 1e-4);
  if (state.nCount > 0) {
    EXPECT_NEAR(planner.BustChance(state), brute.BustChance(g_WhitePegs), 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(SmallPositions, TurnPlannerValueTest, ::testing::ValuesIn(kSmallPositions),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
