// The strong computer's plan for the rest of a turn: for the white pegs on
// the board, every throw to come, every way to play it and the choice to roll
// or stop, maximising the expected value of the board the seat will have
// committed when the turn ends. Exact: a bust leaves the board as it was, a
// stop commits the white pegs, and the planner weighs both through the whole
// turn, at every number of white pegs.
//
// The values of a turn live in tables, one per set of up to three white-peg
// columns, over the cells those pegs may stand on. They are built when first
// asked for and kept while the board stays the same, so the decisions after
// the first of a turn only read them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct ThrowGroups;

// What the planner needs of the board, for the seat to move.
struct PlannerBoard {
  int nCommitted[13] = {};       // the seat's committed cell per column; 0 = no peg
  unsigned openColumns = 0;      // bit c: no seat has claimed column c
  unsigned claimedByOthers = 0;  // bit c: another seat has claimed column c
  int nColumnsToWin = 3;

  bool operator==(const PlannerBoard&) const = default;
};

// White pegs: columns ascending, each with the cell its peg stands on.
struct PegState {
  int nCount = 0;
  int column[3] = {};
  int height[3] = {};
};

// The value of a committed board: the climbed fraction of the seat's best
// columns (as many as it needs to win), plus a bonus for each claim and one
// for the win, in columns. The bonuses are those that won most often against
// the classic computer in the simulator (bench/README.md).
struct ValueWeights {
  double claim = 0.3;
  double win = 0.3;
};

class CTurnPlanner {
 public:
  explicit CTurnPlanner(ValueWeights weights = {});
  CTurnPlanner(const CTurnPlanner&) = delete;
  CTurnPlanner& operator=(const CTurnPlanner&) = delete;

  // The board of the turn to plan. Tables already built are kept when the
  // board is the one they were built for.
  void Prepare(const PlannerBoard& board);

  // The value of the board if the seat stopped with these white pegs; with
  // none, the value after a bust.
  double StopValue(const PegState& pegs) const;
  // The expected value of rolling once more and playing on at best.
  double RollValue(const PegState& pegs);
  // The better of the two: the value of standing here after a move.
  double Value(const PegState& pegs);
  // The chance that the next throw allows no pair.
  double BustChance(const PegState& pegs);

  // The next Prepare builds its tables afresh, as for a new board.
  void Forget() { m_bPrepared = false; }

  // Memory of the tables built so far, those of the throws included.
  std::size_t TableBytes() const;

 private:
  struct Move {
    const float* pTarget;  // the table of the white pegs after the move
    int nBase;
    int nStep[3];  // per white peg before the move: its step in the target table
  };
  struct Table {
    unsigned columns = 0;  // a bit per white-peg column
    int nDims = 0;
    int column[3] = {};
    int top[3] = {};
    int low[3] = {};  // the lowest cell a peg may stand on: one above the committed cell
    int size[3] = {};
    int stride[3] = {};
    float fraction[3][14] = {};  // climbed fraction per cell, from low
    std::vector<float> value;
    // Per topped pegs (a bit per peg): the throws gathered by what they
    // allow, and where each result leads.
    const ThrowGroups* groups[8] = {};
    std::array<std::vector<Move>, 8> moves;
    // Three pegs: per topped pegs, the index step of each group's entries.
    std::array<std::vector<int>, 8> entrySteps;
    // The best columns and the claims of the columns outside the table.
    float others[4] = {};
    int nOtherClaims = 0;
    bool bReady = false;
  };

  Table& EnsureTable(unsigned columns);
  Table& NewTable(unsigned columns);
  void BuildMoves(Table& table);
  void Fill(Table& table);
  double Roll(const Table& table, unsigned topped, int index, const int height[3]) const;
  double StopFast(const Table& table, const int height[3]) const;
  static int IndexOf(const Table& table, const int height[3]);
  static unsigned ColumnsOf(const PegState& pegs);
  static unsigned ToppedOf(const PegState& pegs);

  ValueWeights m_weights;
  PlannerBoard m_board;
  bool m_bPrepared = false;
  double m_bustValue = 0;
  float m_fraction[13] = {};
  std::vector<Table> m_tables;  // fixed size: pointers into it stay valid
  int m_nUsed = 0;
  std::vector<std::int16_t> m_tableOf;  // by column bits: index in m_tables, or -1
};

// The results of playing one kind of throw on white pegs in the columns
// (bits of held, topped for those on their top cell), where a new peg may
// take only an open column: each result packs the cells climbed per column,
// two bits at bit 2c. Returns how many (at most 12, all different). Those
// on a board with claimed columns are those with every column open, less
// the ones that open a claimed column.
int ThrowResults(const int pairSums[3][2], unsigned held, unsigned topped, unsigned openColumns,
                 std::uint32_t results[12]);
