#include "ai/turn_planner.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "ai/distinct_throws.h"
#include "game/game_state.h"

// What a throw allows white pegs in the held columns depends only on which
// of them stand on their top cells and which columns a new peg may take
// (none, for three pegs), not on the cells: the throws gathered by the set of
// results they allow, each result listed once.
struct ThrowGroups {
  int nBustWays = 0;
  std::vector<std::uint16_t> ways;      // per group of throws
  std::vector<std::uint16_t> groupEnd;  // per group: end of its entries in resultOf
  std::vector<std::uint16_t> resultOf;  // index in results
  std::vector<std::uint32_t> results;   // cells climbed per column, two bits at bit 2c
};

namespace {

constexpr int kTripleCount = 165;
constexpr unsigned kAllColumns = 0x1ffcU;  // bits 2 … 12

int Climb(std::uint32_t result, int column) {
  return static_cast<int>((result >> (2 * column)) & 3U);
}

ThrowGroups MakeThrowGroups(unsigned held, unsigned topped, unsigned open) {
  struct Allowed {
    int nCount;
    std::uint32_t results[12];  // ascending
  };
  const auto& kinds = DistinctThrows();
  std::array<Allowed, kDistinctThrowCount> allowed;
  std::array<int, kDistinctThrowCount> order;
  ThrowGroups made;
  int count = 0;
  for (int kind = 0; kind < kDistinctThrowCount; ++kind) {
    Allowed& a = allowed[kind];
    a.nCount = ThrowResults(kinds[kind].pairSums, held, topped, open, a.results);
    std::sort(a.results, a.results + a.nCount);
    if (a.nCount == 0) {
      made.nBustWays += kinds[kind].nWays;
    } else {
      order[count++] = kind;
    }
  }
  const auto less = [&allowed](int a, int b) {
    const Allowed& x = allowed[a];
    const Allowed& y = allowed[b];
    return std::lexicographical_compare(x.results, x.results + x.nCount, y.results,
                                        y.results + y.nCount);
  };
  std::sort(order.begin(), order.begin() + count, less);
  for (int i = 0; i < count; ++i) {
    const Allowed& a = allowed[order[i]];
    if (i > 0 && !less(order[i - 1], order[i])) {
      made.ways.back() = static_cast<std::uint16_t>(made.ways.back() + kinds[order[i]].nWays);
      continue;
    }
    made.ways.push_back(static_cast<std::uint16_t>(kinds[order[i]].nWays));
    for (int r = 0; r < a.nCount; ++r) {
      const auto known = std::find(made.results.begin(), made.results.end(), a.results[r]);
      made.resultOf.push_back(static_cast<std::uint16_t>(known - made.results.begin()));
      if (known == made.results.end()) {
        made.results.push_back(a.results[r]);
      }
    }
    made.groupEnd.push_back(static_cast<std::uint16_t>(made.resultOf.size()));
  }
  return made;
}

// Small lists only: a few columns' fractions.
void SortDescending(float* values, int count) {
  for (int i = 1; i < count; ++i) {
    for (int j = i; j > 0 && values[j] > values[j - 1]; --j) {
      std::swap(values[j], values[j - 1]);
    }
  }
}

// Built once, at start-up, for every set of up to three white-peg columns
// and every choice of topped pegs among them. With fewer than three pegs
// every column is taken as open: on a board with claimed columns, the results
// that open a claimed one are left out where the moves are made.
class ThrowGroupStore {
 public:
  ThrowGroupStore() {
    for (unsigned held = 0; held < (1U << 13); ++held) {
      if ((held & kAllColumns) != held || std::popcount(held) > 3) {
        continue;
      }
      const unsigned open = std::popcount(held) == 3 ? 0 : kAllColumns;
      for (unsigned topped = held;; topped = (topped - 1) & held) {
        m_groups[Key(held, topped)] = MakeThrowGroups(held, topped, open);
        if (topped == 0) {
          break;
        }
      }
    }
  }

  const ThrowGroups& Get(unsigned held, unsigned topped) const {
    return m_groups.at(Key(held, topped));
  }

  std::size_t Bytes() const {
    std::size_t bytes = 0;
    for (const auto& [key, groups] : m_groups) {
      bytes += sizeof(key) + sizeof(groups) + groups.ways.capacity() * 2 +
               groups.groupEnd.capacity() * 2 + groups.resultOf.capacity() * 2 +
               groups.results.capacity() * 4;
    }
    return bytes;
  }

 private:
  static std::uint32_t Key(unsigned held, unsigned topped) { return held << 13 | topped; }

  std::unordered_map<std::uint32_t, ThrowGroups> m_groups;
};

const ThrowGroupStore& GroupStore() {
  static const ThrowGroupStore store;
  return store;
}

// Where a result that would open a claimed column leads: below every value,
// so that a throw with nothing else is a bust.
constexpr float kRefused = -1.0F;

}  // namespace

int ThrowResults(const int pairSums[3][2], unsigned held, unsigned topped, unsigned openColumns,
                 std::uint32_t results[12]) {
  int count = 0;
  const auto add = [&](std::uint32_t result) {
    if (std::find(results, results + count, result) == results + count) {
      results[count++] = result;
    }
  };
  // As Advance decides: a held column's peg moves while below its top cell;
  // another column takes a new peg while a slot is free and nobody has
  // claimed it. A second pair on a peg that the first took to the top is
  // refused; the cells are clamped to the top where the results are used.
  const int heldCount = std::popcount(held);
  const auto canPlay = [&](int column, unsigned pegs, int pegCount) {
    if ((pegs >> column & 1U) != 0) {
      return (topped >> column & 1U) == 0;
    }
    return pegCount < 3 && (openColumns >> column & 1U) != 0;
  };
  for (int pairing = 0; pairing < 3; ++pairing) {
    const int first = pairSums[pairing][0];
    const int second = pairSums[pairing][1];
    const int order[2][2] = {{first, second}, {second, first}};
    for (const auto& pair : order) {
      if (!canPlay(pair[0], held, heldCount)) {
        continue;
      }
      add(1U << (2 * pair[0]));
      const int afterCount = heldCount + ((held >> pair[0] & 1U) != 0 ? 0 : 1);
      if (canPlay(pair[1], held | (1U << pair[0]), afterCount)) {
        add((1U << (2 * pair[0])) + (1U << (2 * pair[1])));
      }
    }
  }
  return count;
}

CTurnPlanner::CTurnPlanner(ValueWeights weights)
    : m_weights(weights), m_tables(1 + 11 + 55 + kTripleCount), m_tableOf(1U << 13, -1) {
  GroupStore();
}

void CTurnPlanner::Prepare(const PlannerBoard& board) {
  if (m_bPrepared && board == m_board) {
    return;
  }
  m_board = board;
  m_bPrepared = true;
  for (int i = 0; i < m_nUsed; ++i) {
    m_tableOf[m_tables[i].columns] = -1;
    m_tables[i].bReady = false;
  }
  m_nUsed = 0;
  for (int column = 2; column <= 12; ++column) {
    const bool mine = board.nCommitted[column] == g_nColumnHeight[column];
    const double climbed = static_cast<double>(board.nCommitted[column]) / g_nColumnHeight[column];
    m_fraction[column] = (board.claimedByOthers >> column & 1U) != 0
                             ? 0.0F
                             : static_cast<float>(mine ? 1.0 : climbed);
  }
  m_bustValue = StopValue(PegState{});
}

double CTurnPlanner::StopValue(const PegState& pegs) const {
  float fraction[13];
  std::copy(m_fraction, m_fraction + 13, fraction);
  for (int i = 0; i < pegs.nCount; ++i) {
    fraction[pegs.column[i]] =
        static_cast<float>(static_cast<double>(pegs.height[i]) / g_nColumnHeight[pegs.column[i]]);
  }
  int claims = 0;
  for (int column = 2; column <= 12; ++column) {
    claims += fraction[column] == 1.0F ? 1 : 0;
  }
  SortDescending(fraction + 2, 11);
  double sum = 0;
  for (int i = 0; i < m_board.nColumnsToWin; ++i) {
    sum += fraction[2 + i];
  }
  return sum + m_weights.claim * claims + (claims >= m_board.nColumnsToWin ? m_weights.win : 0.0);
}

double CTurnPlanner::StopFast(const Table& table, const int height[3]) const {
  float mine[3];
  int claims = table.nOtherClaims;
  for (int dim = 0; dim < table.nDims; ++dim) {
    claims += height[dim] == table.top[dim] ? 1 : 0;
    mine[dim] = table.fraction[dim][height[dim] - table.low[dim]];
  }
  SortDescending(mine, table.nDims);
  // The best columns: the table's and the others', both in descending order.
  double sum = 0;
  for (int taken = 0, i = 0, j = 0; taken < m_board.nColumnsToWin; ++taken) {
    sum += j < table.nDims && mine[j] > table.others[i] ? mine[j++] : table.others[i++];
  }
  return sum + m_weights.claim * claims + (claims >= m_board.nColumnsToWin ? m_weights.win : 0.0);
}

unsigned CTurnPlanner::ColumnsOf(const PegState& pegs) {
  unsigned columns = 0;
  for (int i = 0; i < pegs.nCount; ++i) {
    columns |= 1U << pegs.column[i];
  }
  return columns;
}

unsigned CTurnPlanner::ToppedOf(const PegState& pegs) {
  unsigned topped = 0;
  for (int i = 0; i < pegs.nCount; ++i) {
    if (pegs.height[i] >= g_nColumnHeight[pegs.column[i]]) {
      topped |= 1U << i;
    }
  }
  return topped;
}

int CTurnPlanner::IndexOf(const Table& table, const int height[3]) {
  int index = 0;
  for (int dim = 0; dim < table.nDims; ++dim) {
    index += (height[dim] - table.low[dim]) * table.stride[dim];
  }
  return index;
}

CTurnPlanner::Table& CTurnPlanner::NewTable(unsigned columns) {
  m_tableOf[columns] = static_cast<std::int16_t>(m_nUsed);
  Table& table = m_tables[m_nUsed++];
  table.columns = columns;
  table.nDims = std::popcount(columns);
  int stride = 1;
  int dim = table.nDims;
  for (int column = 12; column >= 2; --column) {
    if ((columns >> column & 1U) == 0) {
      continue;
    }
    --dim;
    table.column[dim] = column;
    table.top[dim] = g_nColumnHeight[column];
    table.low[dim] = m_board.nCommitted[column] + 1;
    // One cell past the top, holding the top's value: a double that the top
    // cuts short lands there.
    table.size[dim] = table.top[dim] - table.low[dim] + 2;
    table.stride[dim] = stride;
    stride *= table.size[dim];
    for (int height = table.low[dim]; height <= table.top[dim]; ++height) {
      table.fraction[dim][height - table.low[dim]] =
          static_cast<float>(static_cast<double>(height) / table.top[dim]);
    }
  }
  table.value.assign(static_cast<std::size_t>(stride), 0.0F);

  float others[11];
  int count = 0;
  table.nOtherClaims = 0;
  for (int column = 2; column <= 12; ++column) {
    if ((columns >> column & 1U) == 0) {
      others[count++] = m_fraction[column];
      table.nOtherClaims += m_fraction[column] == 1.0F ? 1 : 0;
    }
  }
  SortDescending(others, count);
  for (int i = 0; i < 4; ++i) {
    table.others[i] = i < count ? others[i] : 0.0F;
  }
  table.bReady = false;
  return table;
}

CTurnPlanner::Table& CTurnPlanner::EnsureTable(unsigned columns) {
  const int index = m_tableOf[columns];
  if (index >= 0 && m_tables[index].bReady) {
    return m_tables[index];
  }
  Table& table = index >= 0 ? m_tables[index] : NewTable(columns);
  BuildMoves(table);
  Fill(table);
  table.bReady = true;
  return table;
}

void CTurnPlanner::BuildMoves(Table& table) {
  const unsigned held = table.columns;
  const unsigned open = m_board.openColumns & kAllColumns;
  for (unsigned topped = 0; topped < (1U << table.nDims); ++topped) {
    unsigned toppedColumns = 0;
    for (int dim = 0; dim < table.nDims; ++dim) {
      toppedColumns |= (topped >> dim & 1U) << table.column[dim];
    }
    const ThrowGroups& groups = GroupStore().Get(held, toppedColumns);
    table.groups[topped] = &groups;
    std::vector<Move>& moves = table.moves[topped];
    moves.clear();
    for (const std::uint32_t result : groups.results) {
      if (table.nDims == 3) {
        // Three pegs stay in their own table.
        int base = 0;
        for (int dim = 0; dim < 3; ++dim) {
          base += Climb(result, table.column[dim]) * table.stride[dim];
        }
        moves.push_back(Move{table.value.data(), base, {0, 0, 0}});
        continue;
      }
      unsigned after = held;
      for (int column = 2; column <= 12; ++column) {
        after |= (Climb(result, column) > 0 ? 1U : 0U) << column;
      }
      if ((after & ~held & ~open) != 0) {
        moves.push_back(Move{&kRefused, 0, {0, 0, 0}});
        continue;
      }
      // The tables with more pegs first; this one is being filled.
      const Table& target = after == held ? table : EnsureTable(after);
      Move move{target.value.data(), 0, {0, 0, 0}};
      for (int dim = 0; dim < target.nDims; ++dim) {
        const int column = target.column[dim];
        const int climb = Climb(result, column);
        if ((held >> column & 1U) != 0) {
          move.nBase += climb * target.stride[dim];
          for (int from = 0; from < table.nDims; ++from) {
            if (table.column[from] == column) {
              move.nStep[from] = target.stride[dim];
            }
          }
        } else {
          // A new peg stands one cell above the committed one, and one more
          // for a double.
          move.nBase += (climb - 1) * target.stride[dim];
        }
      }
      moves.push_back(move);
    }
    if (table.nDims == 3) {
      std::vector<int>& steps = table.entrySteps[topped];
      steps.clear();
      for (const std::uint16_t result : groups.resultOf) {
        steps.push_back(moves[result].nBase);
      }
    }
  }
}

double CTurnPlanner::Roll(const Table& table, unsigned topped, int index,
                          const int height[3]) const {
  const ThrowGroups& groups = *table.groups[topped];
  if (table.nDims == 3) {
    // Three pegs stay in this table: each entry a step from this state.
    const float* value = table.value.data() + index;
    const int* steps = table.entrySteps[topped].data();
    double sum = groups.nBustWays * m_bustValue;
    std::size_t entry = 0;
    for (std::size_t group = 0; group < groups.ways.size(); ++group) {
      float best = value[steps[entry]];
      for (++entry; entry < groups.groupEnd[group]; ++entry) {
        best = std::max(best, value[steps[entry]]);
      }
      sum += groups.ways[group] * static_cast<double>(best);
    }
    return sum / kThrowCount;
  }
  // Fewer pegs: every result's cell once, in whichever table it lies; then
  // each group takes its best. The throws lead to at most 77 different white
  // pegs, with none or one out (on an empty board: 11 columns, 11 doubles,
  // 55 pairs of columns).
  const std::vector<Move>& moves = table.moves[topped];
  int offset[3] = {};
  for (int dim = 0; dim < table.nDims; ++dim) {
    offset[dim] = height[dim] - table.low[dim];
  }
  float reached[80];
  for (std::size_t r = 0; r < moves.size(); ++r) {
    const Move& m = moves[r];
    reached[r] = m.pTarget[m.nBase + m.nStep[0] * offset[0] + m.nStep[1] * offset[1] +
                           m.nStep[2] * offset[2]];
  }
  double sum = groups.nBustWays * m_bustValue;
  std::size_t entry = 0;
  for (std::size_t group = 0; group < groups.ways.size(); ++group) {
    float best = reached[groups.resultOf[entry]];
    for (++entry; entry < groups.groupEnd[group]; ++entry) {
      best = std::max(best, reached[groups.resultOf[entry]]);
    }
    sum += groups.ways[group] * (best < 0 ? m_bustValue : static_cast<double>(best));
  }
  return sum / kThrowCount;
}

void CTurnPlanner::Fill(Table& table) {
  const int dims = table.nDims;
  int height[3] = {0, 0, 0};
  for (int dim = 0; dim < dims; ++dim) {
    height[dim] = table.top[dim];
  }
  // Three pegs can end no better than all on their top cells: where
  // stopping is worth what rolling could bring at best, it is the choice.
  const double best = dims == 3 ? StopFast(table, height) : 0.0;
  // Every move climbs, so from the top cells down each state finds the
  // states it can reach already filled in.
  for (;;) {
    unsigned topped = 0;
    for (int dim = 0; dim < dims; ++dim) {
      topped |= (height[dim] == table.top[dim] ? 1U : 0U) << dim;
    }
    const int index = IndexOf(table, height);
    const double stop = StopFast(table, height);
    bool stopsAnyway = false;
    if (dims == 3) {
      const double bust = static_cast<double>(table.groups[topped]->nBustWays) / kThrowCount;
      stopsAnyway = stop >= bust * m_bustValue + (1 - bust) * best;
    }
    const float value =
        static_cast<float>(stopsAnyway ? stop : std::max(stop, Roll(table, topped, index, height)));
    table.value[index] = value;
    // The cells past the top of each topped peg hold the same value.
    for (unsigned past = topped; past != 0; past = (past - 1) & topped) {
      int at = index;
      for (int dim = 0; dim < dims; ++dim) {
        at += static_cast<int>(past >> dim & 1U) * table.stride[dim];
      }
      table.value[at] = value;
    }
    int dim = dims - 1;
    while (dim >= 0 && height[dim] == table.low[dim]) {
      height[dim] = table.top[dim];
      --dim;
    }
    if (dim < 0) {
      break;
    }
    --height[dim];
  }
}

double CTurnPlanner::RollValue(const PegState& pegs) {
  const Table& table = EnsureTable(ColumnsOf(pegs));
  return Roll(table, ToppedOf(pegs), IndexOf(table, pegs.height), pegs.height);
}

double CTurnPlanner::Value(const PegState& pegs) {
  const Table& table = EnsureTable(ColumnsOf(pegs));
  return table.value[IndexOf(table, pegs.height)];
}

double CTurnPlanner::BustChance(const PegState& pegs) {
  const Table& table = EnsureTable(ColumnsOf(pegs));
  const unsigned topped = ToppedOf(pegs);
  const ThrowGroups& groups = *table.groups[topped];
  const std::vector<Move>& moves = table.moves[topped];
  int ways = groups.nBustWays;
  std::size_t entry = 0;
  for (std::size_t group = 0; group < groups.ways.size(); ++group) {
    bool refused = true;
    for (; entry < groups.groupEnd[group]; ++entry) {
      refused = refused && moves[groups.resultOf[entry]].pTarget == &kRefused;
    }
    ways += refused ? groups.ways[group] : 0;
  }
  return static_cast<double>(ways) / kThrowCount;
}

std::size_t CTurnPlanner::TableBytes() const {
  std::size_t bytes = GroupStore().Bytes() + m_tableOf.capacity() * sizeof(std::int16_t);
  for (const Table& table : m_tables) {
    bytes += sizeof(Table) + table.value.capacity() * sizeof(float);
    for (const auto& moves : table.moves) {
      bytes += moves.capacity() * sizeof(Move);
    }
  }
  return bytes;
}
