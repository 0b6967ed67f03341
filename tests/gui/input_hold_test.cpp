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
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Close) {
      m_log.emplace_back(event->type() == QEvent::Close ? "close" : "press");
    }
    return false;
  }

 private:
  std::vector<std::string>& m_log;
};

// What the Wayland plugin hands to the windows (not their widgets) when it
// flushes its queue during a pause of a handler: a click on the program's own
// title bar goes at once; input for an open menu or another window (a dialog,
// the help window) waits for the handler, and is dropped if that window went.
TEST(InputHoldPathsTest, WindowEventsDuringAPause) {
  enum Target { kTitleBar, kMenu, kOther, kGone };
  const struct {
    Target target;
    bool close;
    std::vector<std::string> log;
  } kCases[] = {
      {kTitleBar, false, {"press", "end"}},
      {kMenu, false, {"end", "press", "close"}},
      {kOther, false, {"end", "press"}},
      {kOther, true, {"end", "close"}},
      {kGone, false, {"end"}},
  };
  for (const auto& c : kCases) {
    QWidget main;
    main.resize(200, 200);
    auto* titleBar = new QWidget(&main);
    titleBar->setGeometry(0, 0, 200, 20);
    auto other = std::make_unique<QWidget>();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    main.show();
    other->show();
    if (c.target == kMenu) {
      menu.popup(QPoint(300, 300));
    }
    QWidget* target = c.target == kTitleBar ? titleBar : c.target == kMenu ? &menu : other.get();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(target));
    InputHold hold(&main);
    hold.SetWindowControls(titleBar);
    std::vector<std::string> log;
    const EventLog events(target, log);
    bool sent = false;
    QTimer::singleShot(0, [&] {
      if (c.close) {
        QCloseEvent close;
        QCoreApplication::sendEvent(target->windowHandle(), &close);
      } else {
        QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
      }
      sent = true;
    });
    {
      const InputHold::Busy busy(hold);
      PauseAnswering(std::chrono::seconds{1}, [&] { return sent; });
      if (c.target == kGone) {
        other.reset();
      }
      log.emplace_back("end");
    }
    EXPECT_EQ(log, c.log) << c.target << c.close;
  }
}

}  // namespace
