#include "game/dice.h"
#include "game/game_state.h"
#include "res/resource.h"
#include "shell_test_support.h"

namespace {

using CommandRoutingTest = ShellTest;

TEST_F(CommandRoutingTest, OptionCommandsReachTheViewAndOpenTheDialogThatFits) {
  Start();
  g_nProgress[1][7] = 4;  // a game under way
  const struct {
    UINT nID;
    int nPlayers;
    const char* caption;  // null: no dialog fits
    int nSeats;
  } commands[] = {
      {ID_OPTIONS_COLUMNS, 2, "Number of Columns", 0},
      {ID_OPTIONS_NUM_PLAYERS, 2, "Select Number of Players", 0},
      // Players shows one group box per seat in play.
      {ID_OPTIONS_PLAYERS, 2, "Select Players", 2},
      {ID_OPTIONS_PLAYERS, 3, "Select Players", 3},
      {ID_OPTIONS_PLAYERS, 4, "Select Players", 4},
      {ID_OPTIONS_PLAYERS, 0, nullptr, 0},
      {ID_OPTIONS_PLAYERS, 1, nullptr, 0},
      {ID_OPTIONS_PLAYERS, 5, nullptr, 0},
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(testing::Message() << command.nID << " with " << command.nPlayers << " seats");
    g_nPlayers = command.nPlayers;
    ModalWatcher watcher;
    EXPECT_TRUE(Frame()->OnCommand(command.nID));
    EXPECT_EQ(watcher.Seen(), command.caption != nullptr);
    EXPECT_EQ(watcher.Caption(), QString::fromUtf8(command.caption));
    EXPECT_EQ(watcher.GroupBoxes(), command.nSeats);
    // Cancel changed nothing and started no game.
    EXPECT_EQ(g_nPlayers, command.nPlayers);
  }
  EXPECT_EQ(g_nColumnsToWin, 3);
  EXPECT_EQ(g_nProgress[1][7], 4);
}

TEST_F(CommandRoutingTest, NewReachesTheFrameNotTheApplicationsStartUpNew) {
  Start();
  CMainFrame* frame = Frame();
  g_nProgress[1][4] = 2;
  g_nCurrentPlayer = 1;
  g_Dice[2].m_bSelected = 1;
  EXPECT_TRUE(frame->OnCommand(ID_FILE_NEW));
  EXPECT_EQ(Frame(), frame) << "New made a second window";
  EXPECT_EQ(AfxGetApp()->m_pMainWnd, frame);
  EXPECT_EQ(g_nProgress[1][4], 0);
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_Dice[2].m_bSelected, 0);
}

TEST_F(CommandRoutingTest, EveryHelpRequestOpensTheHelpBookAtItsContents) {
  Start();
  for (const UINT nID : {ID_HELP_FINDER, ID_HELP, ID_CONTEXT_HELP, ID_DEFAULT_HELP}) {
    WinHelp(nullptr, QString(), HELP_QUIT);
    ASSERT_EQ(OpenHelpWindow(), nullptr);
    ModalWatcher watcher;
    EXPECT_TRUE(Frame()->OnCommand(nID)) << nID;
    EXPECT_FALSE(watcher.Seen()) << "the book was not found: " << watcher.Text().toStdString();
    EXPECT_EQ(HelpWindowTitle(), QStringLiteral("Tumbleroad Help")) << nID;
  }
}

TEST_F(CommandRoutingTest, AboutReachesTheApplication) {
  Start();
  ModalWatcher watcher;
  EXPECT_TRUE(Frame()->OnCommand(ID_APP_ABOUT));
  EXPECT_EQ(watcher.Caption(), QStringLiteral("About Tumbleroad"));
}

TEST_F(CommandRoutingTest, ExitClosesTheWindowOnceTheCommandIsDone) {
  Start();
  QWidget* window = Window();
  SetFramePause(std::chrono::milliseconds{2});
  Frame()->HandleInput([&] {
    EXPECT_TRUE(Frame()->OnCommand(ID_APP_EXIT));
    // Still inside the command: the window has left the screen, the frame lives
    // on, and what is left of the handler runs without pauses.
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(Frame()->IsClosed());
    EXPECT_EQ(FramePauseLength(), std::chrono::milliseconds{0});
    NewGame();
  });
  EXPECT_TRUE(Frame()->IsClosed());
}

TEST_F(CommandRoutingTest, UnknownCommandsAreLeftUnhandled) {
  Start();
  for (const UINT nID : {0u, 1u, 32772u, 57601u, 57666u}) {
    EXPECT_FALSE(Frame()->OnCommand(nID)) << nID;
  }
}

TEST_F(CommandRoutingTest, MenuItemsSendTheirIds) {
  Start();
  g_nProgress[0][5] = 3;
  // A screen reader's action returns before the command runs, which waits
  // for a handler that runs meanwhile.
  Frame()->HandleInput([&] {
    for (QAction* action : Window()->findChildren<QAction*>()) {
      if (action->data().toUInt() == ID_FILE_NEW) {
        action->trigger();
      }
    }
    EXPECT_EQ(g_nProgress[0][5], 3) << "the command ran inside the call";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(g_nProgress[0][5], 3) << "the command ran inside a handler";
  });
  EXPECT_EQ(g_nProgress[0][5], 0);
}

// While a dialog is open, a menu item chosen through a screen reader's action
// and a board key sent by the board's accessible press are refused.
TEST_F(CommandRoutingTest, TheMainWindowTakesNoCommandWhileADialogIsOpen) {
  Start();
  QTimer::singleShot(1, [&] {
    const ModalWatcher second;
    for (QAction* action : Window()->findChildren<QAction*>()) {
      if (action->data().toUInt() == ID_OPTIONS_PLAYERS) {
        action->trigger();
      }
    }
    QCoreApplication::postEvent(Frame()->SurfaceWidget(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_1, {}, "1"));
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(second.Seen()) << second.Caption().toStdString();
    qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
  });
  Frame()->OnCommand(ID_OPTIONS_NUM_PLAYERS);
  EXPECT_EQ(g_Dice[0].m_bSelected, 0) << "the key chose a die";
}

}  // namespace
