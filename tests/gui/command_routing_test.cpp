#include "game/dice.h"
#include "game/game_state.h"
#include "res/resource.h"
#include "shell_test_support.h"

namespace {

using CommandRoutingTest = ShellTest;

QString VisibleHelpTitle() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle().startsWith("Tumbleroad Help")) {
      return widget->windowTitle();
    }
  }
  return {};
}

TEST_F(CommandRoutingTest, OptionCommandsReachTheViewAndOpenTheirDialogs) {
  Start();
  const struct {
    UINT nID;
    const char* caption;
  } commands[] = {
      {ID_OPTIONS_COLUMNS, "Number of Columns"},
      {ID_OPTIONS_NUM_PLAYERS, "Select Number of Players"},
      {ID_OPTIONS_PLAYERS, "Select Players"},
  };
  for (const auto& command : commands) {
    ModalWatcher watcher;
    EXPECT_TRUE(Frame()->OnCommand(command.nID));
    EXPECT_TRUE(watcher.Seen()) << command.caption;
    EXPECT_EQ(watcher.Caption(), QString::fromUtf8(command.caption));
  }
  // Cancel changed nothing and started no game.
  EXPECT_EQ(g_nPlayers, 2);
  EXPECT_EQ(g_nColumnsToWin, 3);
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
    ASSERT_TRUE(VisibleHelpTitle().isEmpty());
    ModalWatcher watcher;
    EXPECT_TRUE(Frame()->OnCommand(nID)) << nID;
    EXPECT_FALSE(watcher.Seen()) << "the book was not found: " << watcher.Text().toStdString();
    EXPECT_EQ(VisibleHelpTitle(), QStringLiteral("Tumbleroad Help")) << nID;
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
  for (QAction* action : Window()->findChildren<QAction*>()) {
    if (action->data().toUInt() == ID_FILE_NEW) {
      action->trigger();
    }
  }
  EXPECT_EQ(g_nProgress[0][5], 0);
}

}  // namespace
