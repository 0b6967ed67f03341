#include "app/computer_watch.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "ai/computer_pace.h"
#include "app/status_line.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "platform/random_source.h"
#include "res/resource.h"
#include "shell_test_support.h"
#include "support/board_mouse.h"
#include "support/board_stand_in.h"
#include "support/dice_control.h"
#include "support/game_invariants.h"
#include "support/game_snapshot.h"

namespace {

class ComputerWatchTest : public BoardWidgetTest {
 protected:
  void SetUp() override {
    BoardWidgetTest::SetUp();
    g_speed = GameSpeed::kFast;
    // Frames pause, so the window system is answered while the computer
    // plays; with the window off the screen they are not paced to a display.
    SetFramePause(std::chrono::milliseconds{1});
    Window()->hide();
  }
  void TearDown() override {
    g_speed = GameSpeed::kNormal;
    // The status line outlives the window: a computer's bust is no message for the next test.
    DismissStatusMessage();
    BoardWidgetTest::TearDown();
  }

  QAction* MenuAction(UINT nID) const {
    for (QAction* action : Window()->findChild<QMenuBar*>()->findChildren<QAction*>()) {
      if (action->data().toUInt() == nID) {
        return action;
      }
    }
    return nullptr;
  }

  // A new game of the computer (seat 0) against a person, thrown from the
  // seed; `whilePlaying` runs once the computer plays.
  void ComputerOpens(std::uint32_t seed, const std::function<void()>& whilePlaying) {
    ResetGameState();
    g_nPlayerType[0] = kComputerSeat;
    SeedRandom(seed);
    QTimer poll;
    bool done = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!done && Frame()->IsWatching()) {
        done = true;
        whilePlaying();
      }
    });
    poll.start(0);
    Frame()->HandleInput([] { NewGame(); });
  }
};

// A click on a die made while the computer plays is dropped; Options >
// Number of Columns makes it yield, opens at once, and the computer then
// finishes its turn as it would have unbroken.
TEST_F(ComputerWatchTest, BoardInputIsDroppedAndACommandRunsAtTheNextStep) {
  for (const std::uint32_t seed : {4u, 12u}) {
    // Unseen, the same turn takes no time.
    SetFramePause(std::chrono::milliseconds{0});
    ResetGameState();
    g_nPlayerType[0] = kComputerSeat;
    SeedRandom(seed);
    NewGame();
    ASSERT_EQ(g_nCurrentPlayer, 1);
    const GameSnapshot unbroken;
    SetFramePause(std::chrono::milliseconds{1});

    ModalWatcher dialog;
    bool yieldedBeforeTheDialog = false;
    ComputerOpens(seed, [&] {
      QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, QPoint(32, 32));
      MenuAction(ID_OPTIONS_COLUMNS)->trigger();
      QCoreApplication::sendPostedEvents();
      yieldedBeforeTheDialog = ComputerAskedToYield() && !dialog.Seen();
    });
    EXPECT_TRUE(yieldedBeforeTheDialog);
    EXPECT_TRUE(dialog.Seen());
    EXPECT_EQ(dialog.Caption(), QStringLiteral("Number of Columns"));
    EXPECT_EQ(GameStateFault(), "");
    EXPECT_EQ(GameSnapshot(), unbroken)
        << "the click was dropped and the turn went on, seed " << seed;
  }
}

// A click held while the person's last handler ran (STOP shown pressed, a
// bust shown) is no move for anybody once the computer's turn begins.
TEST_F(ComputerWatchTest, InputHeldWhenTheComputerBeginsIsDropped) {
  SetFramePause(std::chrono::milliseconds{0});
  ResetGameState();
  g_nPlayerType[0] = kComputerSeat;
  SeedRandom(4);
  NewGame();
  const GameSnapshot unbroken;
  SetFramePause(std::chrono::milliseconds{1});

  ResetGameState();
  g_nPlayerType[0] = kComputerSeat;
  SeedRandom(4);
  Frame()->HandleInput([&] {
    QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, QPoint(32, 32));
    NewGame();
  });
  EXPECT_EQ(GameSnapshot(), unbroken);
}

// H pressed while the person's STOP is handled is delivered as the watch
// begins: the computer yields for the hint, plays on, and leaves the frame
// pause as it found it.
TEST_F(ComputerWatchTest, AKeyHeldIntoTheComputersTurnLeavesTheFramePause) {
  g_nPlayerType[1] = kComputerSeat;
  Type("1 2 Return");
  Window()->show();  // H reaches its shortcut in the active window only
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
  Frame()->HandleInput([&] {
    Type("H");
    Window()->hide();
    BoardMouse().Click(kStopPoint);
  });
  EXPECT_EQ(FramePauseLength(), std::chrono::milliseconds{1});
  EXPECT_EQ(g_nCurrentPlayer, 0) << "the computer played its turn out";
}

TEST_F(ComputerWatchTest, ASpeedChosenWhileTheComputerPlaysActsAtOnce) {
  g_speed = GameSpeed::kSlow;
  bool yielded = true;
  ComputerOpens(4, [&] {
    MenuAction(ID_OPTIONS_SPEED_FAST)->trigger();
    QCoreApplication::sendPostedEvents();
    yielded = ComputerAskedToYield();
  });
  EXPECT_FALSE(yielded);
  EXPECT_EQ(g_speed, GameSpeed::kFast);
  EXPECT_EQ(g_nCurrentPlayer, 1);
}

TEST_F(ComputerWatchTest, ExitWhileTheComputerPlaysClosesTheWindow) {
  ComputerOpens(273, [&] {
    MenuAction(ID_APP_EXIT)->trigger();
    QCoreApplication::sendPostedEvents();
  });
  EXPECT_TRUE(Frame()->IsClosed());
  EXPECT_EQ(GameStateFault(), "");
}

// A yield asked at any step the computer holds ends with its turn: once the
// turn is played out, the frame pause is back and a step is held for as long
// as the chosen speed says.
TEST_F(ComputerWatchTest, AYieldAtAnyStepLeavesThePaceAsChosen) {
  using std::chrono::milliseconds;
  g_speed = GameSpeed::kSlow;
  const PaceStep kSteps[] = {PaceStep::kSettledThrow, PaceStep::kChosenDice, PaceStep::kPlayedPair,
                             PaceStep::kButtonPressed, PaceStep::kUnplayableThrow};
  for (const PaceStep step : kSteps) {
    BoardStandIn board;
    std::vector<milliseconds> holds;
    bool yielded = false;
    board.OnHold([&](milliseconds length) {
      holds.push_back(length);
      // The chosen dice and the played pair hold alike; the selection tells them apart.
      const bool chosen = g_Dice[0].m_bSelected + g_Dice[1].m_bSelected + g_Dice[2].m_bSelected +
                              g_Dice[3].m_bSelected >
                          0;
      if (!yielded && length == StepHold(g_speed, step) &&
          (length != StepHold(g_speed, PaceStep::kChosenDice) ||
           chosen == (step == PaceStep::kChosenDice))) {
        yielded = true;
        AskComputerToYield();
      }
    });
    // Column 2 topped by the first two throws, the third busts.
    SetNextThrows({{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
    ComputerOpens(1, [] {});
    ResumeYieldedComputer();
    ASSERT_TRUE(yielded) << static_cast<int>(step);
    EXPECT_EQ(g_nCurrentPlayer, 1) << static_cast<int>(step);
    EXPECT_EQ(FramePauseLength(), milliseconds{1}) << static_cast<int>(step);
    holds.clear();
    HoldStep(PaceStep::kSettledThrow);
    EXPECT_EQ(holds, std::vector<milliseconds>{StepHold(g_speed, PaceStep::kSettledThrow)})
        << static_cast<int>(step);
  }
}

}  // namespace
