#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "game/game_state.h"
#include "platform/random_source.h"
#include "support/game_invariants.h"

// Whole games between computers, with no window, as the board's presses would
// play them: every one must end, with a winner or with nobody able to win.
TEST(AllComputerGames, EveryGameEnds) {
  ResetGameState();
  constexpr int kGames = 2000;
  // A game has at most one stop per column cell per seat, and one call per stop.
  constexpr int kMostCalls = 4 * 70;
  int noWinner = 0;
  for (int game = 0; game < kGames; ++game) {
    g_nPlayers = 2 + game % 3;
    g_nColumnsToWin = 2 + game / 3 % 3;
    for (int& kind : g_nPlayerType) {
      kind = kComputerSeat;
    }
    SeedRandom(static_cast<std::uint32_t>(game));
    NewGame();
    int calls = 0;
    while (!IsGameOver() && calls < kMostCalls) {
      PlayComputerTurns();
      ++calls;
      const std::string fault = GameStateFault();
      ASSERT_EQ(fault, "") << "game " << game << ", call " << calls;
    }
    ASSERT_TRUE(IsGameOver()) << "game " << game << " still going after " << calls << " stops";
    if (g_nWinner > 0) {
      EXPECT_GE(ColumnsClaimedBy(g_nWinner - 1), g_nColumnsToWin) << "game " << game;
      EXPECT_EQ(FirstSeatWithColumnsToWin(), g_nWinner - 1) << "game " << game;
    } else {
      ++noWinner;
      EXPECT_LT(ColumnsOpen(), 3) << "game " << game;
      EXPECT_LT(FirstSeatWithColumnsToWin(), 0) << "game " << game;
    }
  }
  // Four columns to win among three or four seats can leave nobody able to win.
  EXPECT_GT(noWinner, 0);
}
