#include "ai/computer_pace.h"

#include <gtest/gtest.h>

#include <vector>

#include "ai/computer_player.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"
#include "support/game_invariants.h"
#include "support/game_snapshot.h"

namespace {

using std::chrono::milliseconds;

// What the board showed when the computer asked it to hold.
struct Held {
  milliseconds length;
  int selected;
  int used;
  char roll;
  bool operator==(const Held&) const = default;
};

class ComputerPaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    m_held.clear();
    g_nPlayerType[0] = kComputerSeat;
    m_board.OnHold([this](milliseconds length) {
      Held held{length, 0, 0, m_board.Shown(BoardButton::kRoll)};
      for (const CDie& die : g_Dice) {
        held.selected += die.m_bSelected;
        held.used += die.m_nValue == 0 ? 1 : 0;
      }
      m_held.push_back(held);
      if (m_onHold) {
        m_onHold();
      }
    });
  }
  void TearDown() override { g_speed = GameSpeed::kNormal; }

  // Seat 0's opening throw has no double and a 7 (1 + 6): it opens column 7
  // with one pair and rolls again.
  static void ComputerToMove(std::uint32_t seed) {
    SeedRandom(seed);
    SetDice(1, 1, 2, 6);
    g_nCurrentPlayer = 0;
  }

  BoardStandIn m_board;
  std::vector<Held> m_held;
  std::function<void()> m_onHold;
};

TEST_F(ComputerPaceTest, EachStepIsHeldInOrderForItsSpeed) {
  const struct {
    GameSpeed speed;
    int scale;
  } kSpeeds[] = {{GameSpeed::kSlow, 2}, {GameSpeed::kNormal, 1}, {GameSpeed::kFast, 0}};
  for (const auto& speed : kSpeeds) {
    SetUp();
    g_speed = speed.speed;
    ComputerToMove(5);
    PlayComputerTurns();
    if (speed.scale == 0) {
      EXPECT_TRUE(m_held.empty());
      continue;
    }
    const std::vector<Held> opening = {
        {milliseconds{500 * speed.scale}, 0, 0, '-'},  // the settled throw
        {milliseconds{400 * speed.scale}, 2, 0, '-'},  // the chosen pair, black
        {milliseconds{400 * speed.scale}, 0, 2, '-'},  // the pair played
        {milliseconds{250 * speed.scale}, 0, 2, 'P'},  // ROLL pressed
    };
    ASSERT_GE(m_held.size(), opening.size());
    EXPECT_EQ(std::vector<Held>(m_held.begin(), m_held.begin() + 4), opening);
  }
}

// A yield asked for while the chosen dice are up ends the play after that
// pair; playing on from there ends exactly where an unbroken turn ends.
TEST_F(ComputerPaceTest, AYieldEndsAfterThePairAndTheTurnGoesOnAsIfUnbroken) {
  for (const std::uint32_t seed : {5u, 17u, 273u}) {
    SetUp();
    ComputerToMove(seed);
    PlayComputerTurns();
    const GameSnapshot unbroken;

    SetUp();
    m_onHold = [this] {
      if (m_held.back().selected == 2) {
        AskComputerToYield();
      }
    };
    ComputerToMove(seed);
    {
      TurnPace pace;
      PlayComputerTurns();
    }
    EXPECT_EQ(GameStateFault(), "");
    EXPECT_EQ(g_nCurrentPlayer, 0) << "the computer still has the move";
    EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 1);
    EXPECT_EQ(g_WhitePegs.Get(0, kGetColumn), 7);
    EXPECT_EQ(Faces(), (Throw{0, 1, 2, 0})) << "the pair is played, not half shown";
    m_onHold = nullptr;
    PlayComputerTurns();
    EXPECT_EQ(GameSnapshot(), unbroken) << seed;
  }
}

}  // namespace
