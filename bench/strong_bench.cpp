// The strong computer's time per decision, over positions from real games
// (the strong computer, seat 1, against the classic one, two and four seats):
// the first decision of a turn, which builds the turn's tables, and every
// later one, which reads them. Each benchmark times every position once per
// iteration and reports the spread over positions, the 99th percentile
// included, and the memory of the tables.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "ai/computer_player.h"
#include "ai/computer_strength.h"
#include "ai/strong_computer.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/play_observer.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"

namespace {

struct Position {
  bool bFirst;  // the first throw of the turn
  int nPlayers;
  int nColumnsToWin;
  int nCurrentPlayer;
  int nProgress[4][13];
  CWhitePegs pegs;
  int faces[4];
};

class Recorder : public CPlayObserver {
 public:
  void OnThrow(ThrowKind kind, bool bPlayable) override {
    if (!bPlayable || g_strength[g_nCurrentPlayer] != ComputerStrength::kStrong) {
      return;
    }
    Position position{kind == ThrowKind::kFirstThrow,
                      g_nPlayers,
                      g_nColumnsToWin,
                      g_nCurrentPlayer,
                      {},
                      g_WhitePegs,
                      {}};
    std::copy(&g_nProgress[0][0], &g_nProgress[0][0] + 4 * 13, &position.nProgress[0][0]);
    for (int die = 0; die < 4; ++die) {
      position.faces[die] = g_Dice[die].m_nValue;
    }
    m_positions.push_back(position);
  }
  std::vector<Position> m_positions;
};

// The games are played once, and the planner's start-up work done, before
// any timing.
const std::vector<Position>& Positions() {
  static const std::vector<Position> positions = [] {
    Recorder recorder;
    CPlayObserver* previous = SetPlayObserver(&recorder);
    InstallComputerPlayer();
    SeedRandom(20);
    for (int game = 0; game < 200; ++game) {
      g_nPlayers = game % 2 == 0 ? 2 : 4;
      g_nColumnsToWin = 3;
      for (int seat = 0; seat < 4; ++seat) {
        g_nPlayerType[seat] = kComputerSeat;
        g_strength[seat] = seat == 0 ? ComputerStrength::kStrong : ComputerStrength::kClassic;
      }
      NewGame();
      // The new game's throw for seat 0 reaches no observer: take it here.
      recorder.OnThrow(ThrowKind::kFirstThrow, g_WhitePegs.CanMove());
      while (!IsGameOver()) {
        PlayComputerTurns();
      }
    }
    SetPlayObserver(previous);
    return recorder.m_positions;
  }();
  return positions;
}

void SetUp(const Position& position) {
  g_nPlayers = position.nPlayers;
  g_nColumnsToWin = position.nColumnsToWin;
  g_nCurrentPlayer = position.nCurrentPlayer;
  std::copy(&position.nProgress[0][0], &position.nProgress[0][0] + 4 * 13, &g_nProgress[0][0]);
  g_WhitePegs = position.pegs;
  for (int die = 0; die < 4; ++die) {
    g_Dice[die].m_nValue = position.faces[die];
  }
}

// A decision: the pair to play for the throw, then roll or stop.
void Decide() {
  benchmark::DoNotOptimize(BestPlay());
  benchmark::DoNotOptimize(StrongWouldRoll());
}

void Report(benchmark::State& state, std::vector<double>& times) {
  std::sort(times.begin(), times.end());
  const auto at = [&times](double share) {
    return times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
  };
  state.counters["positions"] = static_cast<double>(times.size());
  state.counters["median_ms"] = at(0.5);
  state.counters["p99_ms"] = at(0.99);
  state.counters["max_ms"] = times.back();
}

// The thread's own processor time: on a machine shared with other work, a
// decision's time without the moments another process had the core.
double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// First decisions of a turn at the positions `wanted` picks, each after
// forgetting the plan of the board before (and the empty board's, if asked).
void TimeFirstDecisions(benchmark::State& state, bool (*wanted)(const Position&),
                        bool evenTheOpening) {
  std::vector<double> times;
  std::size_t mostBytes = 0;
  for (auto _ : state) {
    times.clear();
    for (const Position& position : Positions()) {
      if (!position.bFirst || !wanted(position)) {
        continue;
      }
      SetUp(position);
      ForgetPlans(evenTheOpening);
      const double start = ThreadMilliseconds();
      Decide();
      times.push_back(ThreadMilliseconds() - start);
      mostBytes = std::max(mostBytes, PlannerForSeatToMove().TableBytes());
    }
  }
  Report(state, times);
  state.counters["table_KiB"] = static_cast<double>(mostBytes) / 1024;
}

// As in play: the empty board's plan, made once, serves every game.
void FirstDecision(benchmark::State& state) {
  TimeFirstDecisions(
      state, [](const Position&) { return true; }, false);
}
BENCHMARK(FirstDecision)->Unit(benchmark::kMillisecond)->Iterations(3);

// The run's first decision on the empty board, which plans it for the run.
void OpeningPlannedAfresh(benchmark::State& state) {
  TimeFirstDecisions(
      state,
      [](const Position& position) {
        const int* own = position.nProgress[position.nCurrentPlayer];
        return std::none_of(own + 2, own + 13, [](int cell) { return cell != 0; });
      },
      true);
}
BENCHMARK(OpeningPlannedAfresh)->Unit(benchmark::kMillisecond)->Iterations(3);

void LaterDecision(benchmark::State& state) {
  std::vector<double> times;
  for (auto _ : state) {
    times.clear();
    for (const Position& position : Positions()) {
      if (position.bFirst) {
        continue;
      }
      SetUp(position);
      // The turn's tables, as its first decision left them.
      Decide();
      const double start = ThreadMilliseconds();
      Decide();
      times.push_back(ThreadMilliseconds() - start);
    }
  }
  Report(state, times);
}
BENCHMARK(LaterDecision)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
