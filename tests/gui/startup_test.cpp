#include <QEvent>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include "ai/computer_pace.h"
#include "app/command_line.h"
#include "app/window_system_failure.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/bitmap.h"
#include "shell_test_support.h"
#include "support/dice_control.h"

namespace {

using StartupTest = ShellTest;

// Counts the paint events a widget receives.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    count += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
  int count = 0;
};

TEST_F(StartupTest, OpensOnSeatZerosFirstThrowOfATwoPersonGame) {
  const Throw fromTheSeed = ThrowAfterSeed(kTestSeed);
  SetDice(1, 1, 1, 1);
  g_nCurrentPlayer = 1;
  g_bBoardDrawn = 0;
  Start(WithSeed(kTestSeed));
  EXPECT_EQ(AfxGetApp()->m_pMainWnd, Frame());
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(g_bBoardDrawn, 1);

  EXPECT_EQ(Faces(), fromTheSeed);
  EXPECT_TRUE(DiceFreshlyThrown());
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_nPlayers, 2);
  EXPECT_EQ(g_nColumnsToWin, 3);
  EXPECT_EQ(g_nWinner, 0);
  EXPECT_EQ(g_bPairPlayed, 0);
  EXPECT_EQ(g_WhitePegs.Get(0, 0), 0);
  for (const auto& row : g_nProgress) {
    for (const int cell : row) {
      EXPECT_EQ(cell, 0);
    }
  }

  // A second start-up with the same seed replays the same throw.
  m_app.ExitInstance();
  SetDice(1, 1, 1, 1);
  Start(WithSeed(kTestSeed));
  EXPECT_EQ(Faces(), fromTheSeed);

  // The start-up throws once: the second of two stated throws is left.
  m_app.ExitInstance();
  SetNextThrows({{6, 2, 5, 3}, {1, 1, 1, 1}});
  Start(WithSeed(kTestSeed));
  EXPECT_EQ(Faces(), (Throw{6, 2, 5, 3}));
  EXPECT_EQ(StatedThrowsLeft(), 1);
  SetNextThrows({});
}

TEST_F(StartupTest, OptionsOnTheCommandLineSetTheFirstGameAndAComputerFirstPlaysAtOnce) {
  const CCommandLineInfo info = ParseCommandLine(
      {"tumbleroad", "--seed=20240", "--computer=1", "--players=3", "--speed=fast", "--columns=2"});
  ASSERT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew) << info.m_strError.toStdString();
  Start(info);
  EXPECT_EQ(g_nPlayers, 3);
  EXPECT_EQ(g_nColumnsToWin, 2);
  EXPECT_EQ(g_speed, GameSpeed::kFast);
  EXPECT_EQ(g_nPlayerType[0], kComputerSeat);
  EXPECT_EQ(g_nPlayerType[1], kHumanSeat);
  // The computer's turn is over before the person can press anything.
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_FALSE(Frame()->IsWatching());
  g_speed = GameSpeed::kNormal;
}

TEST_F(StartupTest, AReadableFileStartsTheGameAsUsual) {
  QTemporaryDir dir;
  const QString path = dir.filePath("anything.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not read");
  file.close();
  CCommandLineInfo info = WithSeed(kTestSeed);
  info.m_nShellCommand = CCommandLineInfo::FileOpen;
  info.m_strFileName = path;
  SetNextThrows({{4, 6, 1, 2}});
  Start(info);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Faces(), (Throw{4, 6, 1, 2}));
}

TEST_F(StartupTest, AFileThatCannotBeOpenedFailsStartUpWithoutAWindow) {
  QTemporaryDir dir;
  for (const QString& path : {dir.filePath("missing.txt"), dir.path()}) {
    CCommandLineInfo info = WithSeed(kTestSeed);
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = path;
    m_app.SetCommandLine(info);
    g_Dice[0].m_nValue = 1;
    EXPECT_FALSE(m_app.InitInstance()) << path.toStdString();
    EXPECT_TRUE(m_app.StartupError().contains(path)) << m_app.StartupError().toStdString();
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
    EXPECT_EQ(g_Dice[0].m_nValue, 1) << "the dice were thrown";
  }
}

TEST_F(StartupTest, APictureThatCannotBeLoadedFailsStartUpWithoutAWindow) {
  QTemporaryDir dir;
  QFile(dir.filePath("131.bmp")).open(QIODevice::WriteOnly);
  SetBitmapFolder(dir.path());
  m_app.SetCommandLine(WithSeed(kTestSeed));
  EXPECT_FALSE(m_app.InitInstance());
  SetBitmapFolder(QStringLiteral(":/bitmaps"));
  EXPECT_TRUE(m_app.StartupError().contains("131.bmp")) << m_app.StartupError().toStdString();
  EXPECT_EQ(Frame(), nullptr);
}

TEST(WindowSystemFailure, NamesTheWindowSystemAndTheDisplayThatFailed) {
  const char* const cases[][4] = {
      // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY, what the message names
      {"xcb", "", "", "no display is set (DISPLAY is empty)"},
      {"wayland", ":7", "", "on Wayland display wayland-0 (WAYLAND_DISPLAY is not set)"},
      {"wayland-egl", "", "w-1", "on Wayland display w-1"},
      {"bogus", ":7", "", "'bogus' named by QT_QPA_PLATFORM cannot be started (this Qt has: a, b)"},
  };
  const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                              qgetenv("WAYLAND_DISPLAY")};
  for (const auto& c : cases) {
    qputenv("QT_QPA_PLATFORM", c[0]);
    qputenv("DISPLAY", c[1]);
    qputenv("WAYLAND_DISPLAY", c[2]);
    EXPECT_TRUE(
        WindowSystemFailure({"tumbleroad"}, "Available platform plugins are: a, b.").contains(c[3]))
        << c[0];
  }
  qputenv("QT_QPA_PLATFORM", saved[0]);
  qputenv("DISPLAY", saved[1]);
  qputenv("WAYLAND_DISPLAY", saved[2]);
}

TEST_F(StartupTest, ClosingDuringTheOpeningThrowEndsCleanly) {
  SetFramePause(std::chrono::milliseconds{2});
  QTimer::singleShot(5, [this] {
    ASSERT_NE(Frame(), nullptr);
    Frame()->Close();
  });
  m_app.SetCommandLine(WithSeed(kTestSeed));
  EXPECT_FALSE(m_app.InitInstance());
  EXPECT_TRUE(m_app.StartupError().isEmpty());
  ASSERT_NE(Frame(), nullptr);
  EXPECT_TRUE(Frame()->IsClosed());
  // The throw ran to its end, off the screen.
  EXPECT_TRUE(DiceFreshlyThrown());
}

TEST_F(StartupTest, RepaintsAfterTheWindowIsGoneDrawOnlyIntoTheSurface) {
  Start();
  PaintCount paints(Frame()->SurfaceWidget());
  Frame()->Close();
  ASSERT_TRUE(Frame()->IsClosed());
  const QImage before = *Frame()->ClientSurface();
  paints.count = 0;
  // Faces the board does not show yet, so the new game changes the picture.
  SetNextThrows({{Faces()[0] % 6 + 1, 6, 6, 6}});
  NewGame();
  QCoreApplication::processEvents();
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_NE(*Frame()->ClientSurface(), before) << "the new game was not drawn";
  EXPECT_EQ(paints.count, 0) << "the closed window was painted";
  EXPECT_FALSE(Window()->isVisible());

  // With the window gone there is nothing to draw into, and nothing breaks.
  m_app.ExitInstance();
  EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
  NewGame();
  EXPECT_EQ(g_nCurrentPlayer, 0);
}

}  // namespace
