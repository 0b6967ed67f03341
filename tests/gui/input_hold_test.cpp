#include "platform/ui/input_hold.h"

#include <QCloseEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>

#include "game/dice.h"
#include "game/game_state.h"
#include "shell_test_support.h"

namespace {

constexpr QPoint kDie0OnWidget(32, 32);  // board (30, 30) behind the 2-pixel edge
constexpr QPoint kDie1OnWidget(442, 42);

// Counts the frames the board widget paints.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int Count() const { return m_nCount; }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    m_nCount += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }

 private:
  int m_nCount = 0;
};

using InputHoldTest = BoardWidgetTest;

// F2, then a click on die 0, then a double-click on die 1, all made while a
// handler runs: nothing is handled before it returns, and afterwards they are
// handled in the order they came. In any other order die 0 would not be part
// of the new game's pair.
TEST_F(InputHoldTest, InputDuringAHandlerIsHandledAfterItInOrder) {
  g_nProgress[0][5] = 3;
  const int die0 = g_Dice[0].m_nValue;
  Frame()->HandleInput([&] {
    QTest::keyClick(Window(), Qt::Key_F2);
    QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, kDie0OnWidget);
    DoubleClick(m_pSurface, kDie1OnWidget);
    // Nothing has happened yet: not the new game, not the selection.
    EXPECT_EQ(g_nProgress[0][5], 3);
    EXPECT_EQ(g_Dice[0].m_bSelected, 0);
    EXPECT_EQ(g_Dice[0].m_nValue, die0);
  });
  EXPECT_EQ(g_nProgress[0][5], 0) << "F2 was not handled";
  EXPECT_EQ(g_bPairPlayed, 1) << "the pair was not played in the new game";
  EXPECT_EQ(g_Dice[0].m_nValue, 0);
  EXPECT_EQ(g_Dice[1].m_nValue, 0);
}

// Input held by a nested handler waits for the outermost one; input that
// arrives while held input is delivered joins the end of the queue.
TEST_F(InputHoldTest, NestedHandlersDeliverOnlyWhenTheOutermostReturns) {
  Frame()->HandleInput([&] {
    Frame()->HandleInput([&] { QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, kDie0OnWidget); });
    EXPECT_EQ(g_Dice[0].m_bSelected, 0);
  });
  EXPECT_EQ(g_Dice[0].m_bSelected, 1);
}

// Alt+O N 1 typed during a handler: Alt+O opens its menu afterwards, and N
// (Number of Columns in that menu) and 1, meant for the main window, are dropped.
TEST_F(InputHoldTest, HeldKeysAfterOneThatOpensAMenuAreDropped) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
  ModalWatcher dialog;
  Frame()->HandleInput([&] { Type("Alt+O N 1"); });
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr) << "Alt+O opened no menu";
  menu->close();
  EXPECT_FALSE(dialog.Seen());
  EXPECT_EQ(g_Dice[0].m_bSelected, 0);
}

// A close request during a throw takes the window off the screen at once; the
// throw ends without another frame and the frame closes after the handler.
TEST_F(InputHoldTest, ACloseDuringAThrowEndsItWithoutFrames) {
  SetFramePause(std::chrono::milliseconds{2});
  PaintCounter paints(m_pSurface);
  int paintsAtClose = -1;
  bool visibleAfterClose = true;
  QTimer::singleShot(40, [&] {
    Window()->close();
    paintsAtClose = paints.Count();
    visibleAfterClose = Window()->isVisible();
  });
  Frame()->HandleInput([&] {
    QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, kDie0OnWidget);
    NewGame();
    EXPECT_FALSE(Frame()->IsClosed()) << "closed before the handler returned";
  });
  ASSERT_GE(paintsAtClose, 1) << "the close came after the throw";
  EXPECT_FALSE(visibleAfterClose);
  EXPECT_EQ(paints.Count(), paintsAtClose) << "frames were drawn after the close";
  EXPECT_TRUE(Frame()->IsClosed());
  EXPECT_EQ(FramePauseLength(), std::chrono::milliseconds{0});
  EXPECT_EQ(g_Dice[0].m_bSelected, 0) << "input held for a closed window was handled";
}

// Logs the presses and closes that reach a widget.
class EventLog : public QObject {
 public:
  EventLog(QWidget* widget, std::vector<std::string>& log) : m_log(log) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      m_log.emplace_back("press");
    } else if (event->type() == QEvent::Close) {
      m_log.emplace_back("close");
    }
    return false;
  }

 private:
  std::vector<std::string>& m_log;
};

// What the Wayland plugin hands to the windows (not their widgets) while a
// handler runs, flushed outside or inside a pause: a click on the program's
// own title bar, on an open menu, and input for another window (a dialog, the
// help window), which may go away before the handler returns.
TEST(InputHoldPathsTest, WindowEventsGoAtOnceAfterTheHandlerOrNowhere) {
  using Log = std::vector<std::string>;
  enum Target { kTitleBar, kMenu, kOther };
  const struct {
    const char* name;
    Target target;
    bool close;
    bool pausing;
    bool goes;
    Log log;
  } kCases[] = {
      {"a click on the title bar", kTitleBar, false, true, false, {"press", "end"}},
      {"a click on another window in its own loop", kOther, false, false, false, {"press", "end"}},
      {"a click on an open menu in a pause", kMenu, false, true, false, {"end", "press", "close"}},
      {"a click on another window in a pause", kOther, false, true, false, {"end", "press"}},
      {"a close request for another window in a pause",
       kOther,
       true,
       true,
       false,
       {"end", "close"}},
      {"a click on a window that went away", kOther, false, true, true, {"end"}},
  };
  for (const auto& c : kCases) {
    QWidget main;
    main.resize(200, 200);
    auto* titleBar = new QWidget(&main);
    titleBar->setGeometry(0, 0, 200, 20);
    auto* other = new QWidget;
    main.show();
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other));
    InputHold hold(&main);
    hold.SetWindowControls(titleBar);
    Log log;
    QMenu menu;
    if (c.target == kMenu) {
      menu.addAction(QStringLiteral("Item"));
      menu.popup(QPoint(300, 300));
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }
    QWidget* target = c.target == kTitleBar ? titleBar : c.target == kMenu ? &menu : other;
    const EventLog events(target, log);
    bool sent = false;
    const auto send = [&] {
      QWindow* window = target->window()->windowHandle();
      if (c.close) {
        QCloseEvent close;
        QCoreApplication::sendEvent(window, &close);
      } else {
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(5, 5));
      }
      sent = true;
    };
    {
      const InputHold::Busy busy(hold);
      if (c.pausing) {
        QTimer::singleShot(0, send);
        PauseAnswering(std::chrono::seconds{1}, [&] { return sent; });
      } else {
        send();
        QCoreApplication::processEvents();
      }
      if (c.goes) {
        delete std::exchange(other, nullptr);
      }
      log.emplace_back("end");
    }
    EXPECT_EQ(log, c.log) << c.name;
    delete other;
  }
}

}  // namespace
