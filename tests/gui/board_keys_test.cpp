#include <QMenu>
#include <functional>

#include "game/game_state.h"
#include "shell_test_support.h"
#include "support/board_mouse.h"
#include "support/game_snapshot.h"

namespace {

// How a game stands: its state and the board's pixels.
struct Outcome {
  GameSnapshot state;
  QImage board;
};

class BoardKeysTest : public ShellTest {
 protected:
  // Starts a fresh game with these seats and plays.
  Outcome Play(std::initializer_list<int> seats, const std::function<void()>& play) {
    ResetGameState();
    int seat = 0;
    for (const int kind : seats) {
      g_nPlayerType[seat++] = kind;
    }
    Start();
    play();
    Outcome outcome{GameSnapshot(), *Frame()->ClientSurface()};
    m_app.ExitInstance();
    return outcome;
  }

  void Click(CPoint point) {
    QTest::mouseClick(Frame()->SurfaceWidget(), Qt::LeftButton, {},
                      QPoint(point.x + 2, point.y + 2));
  }
  // Press, release, double-click, release: what the window system sends.
  void DoubleClick(CPoint point) {
    QWidget* surface = Frame()->SurfaceWidget();
    const QPoint at(point.x + 2, point.y + 2);
    QTest::mousePress(surface, Qt::LeftButton, {}, at);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, at);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
  }
  // Picks the first die and double-clicks the second, as a person plays a pair.
  void PlayPair(int first, int second) {
    Click(DiePoint(first));
    DoubleClick(DiePoint(second));
  }
};

TEST_F(BoardKeysTest, KeysPlayExactlyAsTheirClicksDo) {
  const int H = kHumanSeat;
  const int C = kComputerSeat;
  struct Case {
    const char* name;
    std::initializer_list<int> seats;
    const char* keys;
    std::function<void()> clicks;
  } const cases[] = {
      {"a pair, then ROLL",
       {H, H},
       "1 2 Return R",
       [&] {
         PlayPair(0, 1);
         Click(kRollPoint);
       }},
      {"both pairs on the keypad, then STOP",
       {H, H},
       "Num+3 Num+4 Num+Enter Num+1 Num+2 Enter S",
       [&] {
         PlayPair(2, 3);
         PlayPair(0, 1);
         Click(kStopPoint);
       }},
      {"a die put back; dark buttons; Enter with one die",
       {H, H},
       "3 3 R S 4 Return",
       [&] {
         Click(DiePoint(2));
         Click(DiePoint(2));
         Click(kRollPoint);
         Click(kStopPoint);
         Click(DiePoint(3));
         DoubleClick(kBoardPoint);
       }},
      {"STOP hands the turn to the computer",
       {H, C},
       "2 4 Return S",
       [&] {
         PlayPair(1, 3);
         Click(kStopPoint);
       }},
      {"computers only: each key moves on one stop",
       {C, C, C},
       "1 S",
       [&] {
         Click(DiePoint(0));
         Click(kStopPoint);
       }},
  };
  for (const Case& c : cases) {
    const Outcome keys = Play(c.seats, [&] { Type(c.keys); });
    const Outcome clicks = Play(c.seats, c.clicks);
    EXPECT_TRUE(keys.state == clicks.state) << c.name;
    EXPECT_EQ(keys.board, clicks.board) << c.name;
  }
}

TEST_F(BoardKeysTest, TheBoardHasTheKeyboardAndTheMenusAndFunctionKeysStillWork) {
  Start();
  EXPECT_EQ(Window()->focusWidget(), Frame()->SurfaceWidget());
  // Keys with Ctrl or Alt are not the board's; Alt opens a menu by its letter.
  const GameSnapshot before;
  Type("Ctrl+1 Alt+R Ctrl+Return");
  EXPECT_TRUE(GameSnapshot() == before);
  Type("Alt+G");
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("&Game"));
  menu->close();

  g_nProgress[0][7] = 5;
  Type("F2");
  EXPECT_EQ(g_nProgress[0][7], 0);
  Type("F1");
  EXPECT_EQ(HelpWindowTitle(), QStringLiteral("Tumbleroad Help"));
}

TEST_F(BoardKeysTest, AfterAWinKeysChangeNothing) {
  Start();
  g_nWinner = 2;
  RepaintNow();
  const Outcome before{GameSnapshot(), *Frame()->ClientSurface()};
  Type("1 2 Return R S");
  EXPECT_TRUE(GameSnapshot() == before.state);
  EXPECT_EQ(*Frame()->ClientSurface(), before.board);
}

}  // namespace
