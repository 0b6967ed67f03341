#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <string>

#include "game/game_state.h"
#include "platform/random_source.h"
#include "support/board_mouse.h"
#include "support/board_stand_in.h"
#include "support/game_invariants.h"
#include "support/game_snapshot.h"
#include "support/throw_recorder.h"

namespace {

// Long seeded streams of mouse input, with the options changed on the way as
// the dialogs change them, and the game's soundness checked after each event.
class RandomInput {
 public:
  explicit RandomInput(std::uint32_t seed) : m_random(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

  CPoint Point() {
    const int kind = Below(10);
    if (kind < 5) {
      // On or just around a die or a button, edges included.
      const CPoint places[6] = {DiePoint(0), DiePoint(1), DiePoint(2),
                                DiePoint(3), kStopPoint,  kRollPoint};
      const CPoint place = places[Below(6)];
      constexpr int kAround = BoardStandIn::kReach + 1;
      return {Between(place.x - kAround, place.x + kAround),
              Between(place.y - kAround, place.y + kAround)};
    }
    if (kind < 8) {
      return {Between(0, 479), Between(0, 479)};
    }
    if (kind < 9) {
      return {Between(-600, 1100), Between(-600, 1100)};
    }
    const int extremes[4] = {INT_MIN, -1, 480, INT_MAX};
    return {extremes[Below(4)], extremes[Below(4)]};
  }

  // New options as the dialogs set them: the number of columns at once, the
  // seats or their kinds followed by a new game.
  void ChangeOptions() {
    switch (Below(4)) {
      case 0:
        g_nColumnsToWin = Between(2, 4);
        return;
      case 1:
        g_nPlayers = Between(2, 4);
        break;
      case 2:
        g_nPlayerType[Below(4)] = Below(2) == 0 ? kComputerSeat : kHumanSeat;
        break;
      default:
        break;  // the New command
    }
    NewGame();
  }

  // One input; false when it was a change of options rather than mouse input.
  bool Event(BoardMouse& mouse) {
    const CPoint point = Point();
    const int kind = Below(100);
    if (kind < 25) {
      mouse.Press(point);
    } else if (kind < 50) {
      mouse.Release(point);
    } else if (kind < 58) {
      mouse.DoubleClickMessage(point);
    } else if (kind < 78) {
      mouse.Move(point);
    } else if (kind < 89) {
      mouse.Click(point);
    } else if (kind < 98) {
      mouse.DoubleClick(point);
    } else {
      ChangeOptions();
      return false;
    }
    return true;
  }

 private:
  std::mt19937 m_random;
};

bool AllSeatsComputers() {
  for (int seat = 0; seat < g_nPlayers; ++seat) {
    if (g_nPlayerType[seat] != kComputerSeat) {
      return false;
    }
  }
  return true;
}

// What must hold after an event, given the state before it.
std::string TransitionFault(const GameSnapshot& before, bool wasOver, bool mouseInput) {
  if (wasOver && mouseInput && !(before == GameSnapshot())) {
    return "input changed a game that was over";
  }
  const int winnerBefore = before.scalars[7];
  if (winnerBefore == 0 && g_nWinner > 0 && FirstSeatWithColumnsToWin() != g_nWinner - 1) {
    return "seat " + std::to_string(g_nWinner - 1) + " won without being first to the claims";
  }
  if (before.scalars[8] == 0 && g_bNoWinner == 1 &&
      !(ColumnsOpen() == 0 || (AllSeatsComputers() && ColumnsOpen() < 3))) {
    return "the game ended without a winner while it could go on";
  }
  if (!IsGameOver() && !AllSeatsComputers() && g_nPlayerType[g_nCurrentPlayer] != kHumanSeat) {
    return "a computer seat is left to move in a game with people";
  }
  return {};
}

}  // namespace

TEST(TurnRandomInput, LongStreamsOfInputKeepTheGameSound) {
  constexpr int kStreams = 60;
  constexpr int kEventsPerStream = 1000;
  int wins = 0;
  int noWinners = 0;
  int pairsPlayed = 0;
  ThrowRecorder recorder;
  BoardStandIn display;
  for (int stream = 0; stream < kStreams; ++stream) {
    ResetGameState();
    RandomInput input(static_cast<std::uint32_t>(stream) * 7919u + 17u);
    SeedRandom(static_cast<std::uint32_t>(stream));
    g_nPlayers = input.Between(2, 4);
    g_nColumnsToWin = input.Between(2, 4);
    for (int& kind : g_nPlayerType) {
      kind = input.Below(3) == 0 ? kComputerSeat : kHumanSeat;
    }
    NewGame();
    BoardMouse mouse;
    for (int event = 0; event < kEventsPerStream; ++event) {
      const GameSnapshot before;
      const bool wasOver = IsGameOver();
      const int pairBefore = g_bPairPlayed;
      const bool mouseInput = input.Event(mouse);
      std::string fault = GameStateFault();
      if (fault.empty()) {
        fault = TransitionFault(before, wasOver, mouseInput);
      }
      ASSERT_EQ(fault, "") << "stream " << stream << ", event " << event;
      wins += before.scalars[7] == 0 && g_nWinner > 0 ? 1 : 0;
      noWinners += before.scalars[8] == 0 && g_bNoWinner == 1 ? 1 : 0;
      pairsPlayed += pairBefore == 0 && g_bPairPlayed == 1 ? 1 : 0;
    }
  }
  // The streams reach every part of play.
  EXPECT_GT(wins, 0);
  EXPECT_GT(pairsPlayed, 0);
  EXPECT_GT(recorder.Busts(), 0);
  std::printf("wins %d, no winner %d, pairs %d, throws %zu\n", wins, noWinners, pairsPlayed,
              recorder.Throws().size());
}
