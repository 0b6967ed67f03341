#include "game/dice.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"
#include "platform/random_source.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"

namespace {

// Faces of draws 1 … 48 after seeding with 7, worked out by hand from the
// generator's formula as (draw mod 6) + 1.
const std::vector<int> kFacesSeed7 = {2, 5, 6, 3, 6, 1, 3, 5, 2, 5, 1, 6, 5, 6, 1, 6,
                                      4, 4, 3, 3, 1, 6, 4, 5, 1, 5, 6, 1, 5, 4, 6, 4,
                                      1, 4, 4, 3, 3, 3, 6, 5, 4, 2, 6, 4, 6, 2, 2, 6};

struct Frame {
  int shown[4];
  int selected[4];
  int pairPlayed;
};

class DiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    display.OnFrame([this] {
      Frame frame{};
      for (int d = 0; d < 4; ++d) {
        frame.shown[d] = g_Dice[d].m_nValue;
        frame.selected[d] = g_Dice[d].m_bSelected;
      }
      frame.pairPlayed = g_bPairPlayed;
      frames.push_back(frame);
    });
  }

  BoardStandIn display;
  std::vector<Frame> frames;
};

}  // namespace

TEST_F(DiceTest, ThrowConsumesTwelveDrawsPerDieAndKeepsTheTwelfth) {
  const int draw49 = DrawAfterSeed(7, 49);
  g_bPairPlayed = 1;
  g_Dice[1].m_bSelected = 1;
  SeedRandom(7);
  for (CDie& die : g_Dice) {
    die.Roll();
  }
  ASSERT_EQ(frames.size(), 48u);
  EXPECT_EQ(g_bPairPlayed, 0);
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(g_Dice[d].m_nValue, kFacesSeed7[d * 12 + 11]) << "die " << d;
    EXPECT_EQ(g_Dice[d].m_bSelected, 0);
    // Frame f of die d shows draw d*12+f; the last frame of each die shows its final face.
    for (int f = 0; f < 12; ++f) {
      EXPECT_EQ(frames[d * 12 + f].shown[d], kFacesSeed7[d * 12 + f]) << "die " << d;
    }
  }
  // The throw took exactly 48 draws.
  EXPECT_EQ(DrawRandom(), draw49);
}

// Unseen (no board), a throw skips its frames' faces in one step: the same
// faces are kept and the same 48 draws used, from any state of the source.
TEST_F(DiceTest, AnUnseenThrowKeepsTheFacesAndDrawsOfAShownOne) {
  for (const std::uint32_t seed : {7u, 0u, 0xfffffff0u}) {
    SeedRandom(seed);
    for (CDie& die : g_Dice) {
      die.Roll();
    }
    const int shown[4] = {g_Dice[0].m_nValue, g_Dice[1].m_nValue, g_Dice[2].m_nValue,
                          g_Dice[3].m_nValue};
    const int nextShown = DrawRandom();
    CBoardDisplay* const board = SetBoardDisplay(nullptr);
    SeedRandom(seed);
    for (CDie& die : g_Dice) {
      die.Roll();
    }
    const int nextUnseen = DrawRandom();
    SetBoardDisplay(board);
    for (int d = 0; d < 4; ++d) {
      EXPECT_EQ(g_Dice[d].m_nValue, shown[d]) << "seed " << seed << ", die " << d;
    }
    EXPECT_EQ(nextUnseen, nextShown) << "seed " << seed;
  }
}

TEST_F(DiceTest, RollingDeselectsFirstAndUsedDieKeepsZeroBetweenFrames) {
  g_Dice[0].m_bSelected = 1;
  g_Dice[0].m_bRedraw = 0;
  g_Dice[2].m_nValue = 0;
  g_bPairPlayed = 1;
  SeedRandom(7);
  g_Dice[0].Roll();
  ASSERT_EQ(frames.size(), 12u);
  // The very first frame already paints die 0 white, with the buttons blank.
  EXPECT_EQ(frames[0].selected[0], 0);
  EXPECT_EQ(frames[0].pairPlayed, 0);

  frames.clear();
  g_Dice[2].Roll();
  ASSERT_EQ(frames.size(), 12u);
  for (int f = 0; f < 11; ++f) {
    EXPECT_EQ(frames[f].shown[2], kFacesSeed7[12 + f]);
  }
  // Between frames the die still holds 0; only the final step replaces it.
  EXPECT_NE(g_Dice[2].m_nValue, 0);
}

TEST_F(DiceTest, ShowFacePaintsTheFaceButKeepsTheValue) {
  g_Dice[3].m_nValue = 0;
  g_Dice[3].ShowFace(5);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].shown[3], 5);
  EXPECT_EQ(g_Dice[3].m_nValue, 0);
}

TEST_F(DiceTest, AStatedThrowChangesOnlyTheFacesTheDiceKeep) {
  const int draw49 = DrawAfterSeed(7, 49);
  SeedRandom(7);
  SetNextThrows({{6, 1, 2, 3}, {4, 4, 5, 5}});
  for (CDie& die : g_Dice) {
    die.Roll();
  }
  EXPECT_EQ(Faces(), (Throw{6, 1, 2, 3}));
  ASSERT_EQ(frames.size(), 48u);
  for (int d = 0; d < 4; ++d) {
    // The animation shows the drawn faces; its last frame shows the face kept.
    for (int f = 0; f < 11; ++f) {
      EXPECT_EQ(frames[d * 12 + f].shown[d], kFacesSeed7[d * 12 + f]) << "die " << d;
    }
    EXPECT_EQ(frames[d * 12 + 11].shown[d], g_Dice[d].m_nValue) << "die " << d;
  }
  // The draws are made as ever: what follows the throw draws as it would have.
  EXPECT_EQ(DrawRandom(), draw49);

  // The next throw keeps the next faces, die by die, and then the dice draw theirs.
  EXPECT_EQ(StatedThrowsLeft(), 1);
  g_Dice[0].Roll();
  EXPECT_EQ(g_Dice[0].m_nValue, 4);
  EXPECT_EQ(StatedThrowsLeft(), 1);
  for (int d = 1; d < 4; ++d) {
    g_Dice[d].Roll();
  }
  EXPECT_EQ(Faces(), (Throw{4, 4, 5, 5}));
  EXPECT_EQ(StatedThrowsLeft(), 0);
  SeedRandom(7);
  g_Dice[0].Roll();
  EXPECT_EQ(g_Dice[0].m_nValue, kFacesSeed7[11]);
}

// Unseen, a throw of the four dice reads each kept face straight from the
// source's state: the faces, the dice's flags and the draws after it must be
// those of the throw shown, from any state, stated faces included.
TEST_F(DiceTest, AnUnseenThrowOfTheFourLeavesWhatAShownOneLeaves) {
  struct Case {
    std::uint32_t seed;
    bool stated;   // two throws stated: both are kept, then the source's faces
    int blackDie;  // a die shown black before the throw, or -1
  };
  const Case cases[] = {{7, false, -1}, {0, false, 2}, {0xffffffffu, true, 0}, {12345u, true, 3}};
  const auto throwFrom = [](const Case& test) {
    ResetGameState();
    SeedRandom(test.seed);
    g_bPairPlayed = 1;
    if (test.blackDie >= 0) {
      g_Dice[test.blackDie].m_bSelected = 1;
    }
    if (test.stated) {
      SetNextThrows({{6, 1, 2, 3}, {5, 5, 4, 4}});
    }
    ThrowDice();
    std::vector<int> after = {g_bPairPlayed, StatedThrowsLeft(), DrawRandom()};
    for (const CDie& die : g_Dice) {
      after.insert(after.end(), {die.m_nValue, die.m_bSelected, die.m_bRedraw});
    }
    for (int more = 0; more < 2; ++more) {
      ThrowDice();
      for (const CDie& die : g_Dice) {
        after.push_back(die.m_nValue);
      }
    }
    if (test.stated) {
      EXPECT_EQ(std::vector<int>(after.end() - 8, after.end() - 4), (std::vector{5, 5, 4, 4}));
    }
    SetNextThrows({});
    return after;
  };
  for (const Case& test : cases) {
    const std::vector<int> shown = throwFrom(test);
    CBoardDisplay* const board = SetBoardDisplay(nullptr);
    EXPECT_EQ(throwFrom(test), shown) << "seed " << test.seed;
    SetBoardDisplay(board);
  }
  EXPECT_EQ(frames.size(), std::size(cases) * 3 * 48);
}
