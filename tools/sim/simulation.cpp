#include "simulation.h"

#include <chrono>

#include "ai/computer_player.h"
#include "ai/computer_strength.h"
#include "game/game_state.h"
#include "game/play_observer.h"
#include "platform/random_source.h"

namespace {

class ThrowCounter : public CPlayObserver {
 public:
  explicit ThrowCounter(SimTally* pTally) : m_pTally(pTally) {
    m_pPrevious = SetPlayObserver(this);
  }
  ~ThrowCounter() override { SetPlayObserver(m_pPrevious); }
  ThrowCounter(const ThrowCounter&) = delete;
  ThrowCounter& operator=(const ThrowCounter&) = delete;

  void OnThrow(ThrowKind kind, bool bPlayable) override {
    ++m_pTally->nThrows;
    if (kind == ThrowKind::kRollAgain) {
      ++m_pTally->nRollsAgain;
      m_pTally->nBusts += bPlayable ? 0 : 1;
    } else {
      m_pTally->nLostFirstThrows += bPlayable ? 0 : 1;
    }
  }

 private:
  SimTally* m_pTally;
  CPlayObserver* m_pPrevious;
};

}  // namespace

SimTally RunSimulation(const SimOptions& options) {
  SimTally tally;
  ThrowCounter counter(&tally);
  // No board display: the games are played unseen.
  InstallComputerPlayer();
  for (int seat = 0; seat < 4; ++seat) {
    g_strength[seat] = options.strength[seat];
  }
  const auto start = std::chrono::steady_clock::now();
  SeedRandom(options.nSeed);
  for (long long game = 0; game < options.nGames; ++game) {
    // As the New command does it once the options are set.
    g_nPlayers = options.nSeats;
    g_nColumnsToWin = options.nColumnsToWin;
    for (int& kind : g_nPlayerType) {
      kind = kComputerSeat;
    }
    NewGame();
    ++tally.nThrows;  // the new game's throw for seat 0
    // Each press on the board resumes the game for one more stop.
    while (!IsGameOver()) {
      PlayComputerTurns();
    }
    if (g_nWinner > 0) {
      ++tally.nWins[g_nWinner - 1];
    } else {
      ++tally.nNoWinner;
    }
  }
  tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return tally;
}
