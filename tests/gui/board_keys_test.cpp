#include <QMenu>
#include <algorithm>

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
  // A fresh game with these seats, played by keys or by clicks.
  Outcome Play(std::initializer_list<int> seats, const char* keys, const char* clicks) {
    ResetGameState();
    std::copy(seats.begin(), seats.end(), g_nPlayerType);
    Start();
    keys != nullptr ? Type(keys) : Mouse(clicks);
    Outcome outcome{GameSnapshot(), *Frame()->ClientSurface()};
    m_app.ExitInstance();
    return outcome;
  }

  // "click 0, double 1, click ROLL": clicks and double-clicks on a die, ROLL,
  // STOP or a bare point of the board, as the window system delivers them.
  void Mouse(const char* clicks) {
    QWidget* surface = Frame()->SurfaceWidget();
    for (const QString& click : QString::fromLatin1(clicks).split(", ")) {
      const QString target = click.section(' ', 1);
      const CPoint point = target == "ROLL"    ? kRollPoint
                           : target == "STOP"  ? kStopPoint
                           : target == "board" ? kBoardPoint
                                               : DiePoint(target.toInt());
      const QPoint at(point.x + 2, point.y + 2);
      QTest::mouseClick(surface, Qt::LeftButton, {}, at);
      if (click.startsWith("double")) {
        QTest::mouseDClick(surface, Qt::LeftButton, {}, at);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
      }
    }
  }
};

TEST_F(BoardKeysTest, KeysPlayExactlyAsTheirClicksDo) {
  const int H = kHumanSeat;
  const int C = kComputerSeat;
  const struct {
    std::initializer_list<int> seats;
    const char* keys;
    const char* clicks;
  } cases[] = {
      {{H, H}, "1 2 Return R", "click 0, double 1, click ROLL"},
      {{H, H},
       "Num+3 Num+4 Num+Enter 1 2 Enter S",
       "click 2, double 3, click 0, double 1, click STOP"},
      // A die put back, dark buttons, Enter with one die chosen.
      {{H, H},
       "3 3 R S 4 Return",
       "click 2, click 2, click ROLL, click STOP, click 3, double board"},
      {{H, C}, "2 4 Return S", "click 1, double 3, click STOP"},
      // Computers only: a key, like a click, lets them play on to the next stop.
      {{C, C, C}, "1 S", "click 0, click STOP"},
  };
  for (const auto& c : cases) {
    const Outcome keys = Play(c.seats, c.keys, nullptr);
    const Outcome clicks = Play(c.seats, nullptr, c.clicks);
    EXPECT_TRUE(keys.state == clicks.state) << c.keys;
    EXPECT_EQ(keys.board, clicks.board) << c.keys;
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
  // Dismissed, it gives the keyboard back: Enter is the board's again.
  Type("Escape");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(QApplication::focusWidget(), Frame()->SurfaceWidget());

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
