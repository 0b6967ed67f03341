#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/status_line.h"
#include "board/bitmap_ids.h"
#include "game/game_state.h"
#include "platform/bitmap.h"
#include "platform/ui/screen_fit.h"
#include "platform/ui/title_bar.h"
#include "res/resource.h"
#include "shell_test_support.h"

namespace {

using MainWindowTest = ShellTest;

// The menus as a person sees them, item by item: "-" a separator, ">" an item
// that opens a submenu (shown after the menus of the bar), "( )" one choice
// among several, "(x)" the one in force, "[ ]" a check mark of its own. Every
// item can be chosen.
TEST_F(MainWindowTest, TheMenuBarShowsTheMenusInOrder) {
  Start();
  const std::vector<std::string> wanted = {
      "&Game: &New\tF2 | &Hint\tH | - | E&xit",
      "&Options: &Number of Columns | &Players | Number of Players | - | >&Speed | "
      ">Computer S&trength | - | [ ]&Remember Options",
      "&Help: &Help Topics | - | &About Tumbleroad.",
      "&Speed: ( )&Slow | (x)&Normal | ( )&Fast",
      "Computer S&trength: (x)&Classic | ( )S&trong",
  };
  std::vector<std::string> shown;
  const auto* bar = Window()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const QList<QAction*> bars = bar->actions();
  std::vector<const QAction*> popups(bars.begin(), bars.end());
  for (std::size_t p = 0; p < popups.size(); ++p) {
    std::string line = popups[p]->text().toStdString() + ":";
    for (const QAction* item : popups[p]->menu()->actions()) {
      line += line.back() == ':' ? " " : " | ";
      if (item->isSeparator()) {
        line += "-";
      } else if (item->menu() != nullptr) {
        line += ">";
      } else if (item->isCheckable()) {
        const bool choice = item->actionGroup() != nullptr && item->actionGroup()->isExclusive();
        line += choice ? (item->isChecked() ? "(x)" : "( )") : "[ ]";
      }
      line += item->text().toStdString();
      EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
      if (item->menu() != nullptr) {
        popups.push_back(item);
      }
    }
    shown.push_back(line);
  }
  EXPECT_EQ(shown, wanted);
}

TEST_F(MainWindowTest, TheMenusOfferTheGamesCommandsUnderTheirNames) {
  Start();
  // Menu, item and the command it sends, as a person sees them.
  using Entry = std::tuple<std::string, std::string, UINT>;
  std::vector<Entry> wanted = {
      {"&Game", "&New\tF2", ID_FILE_NEW},
      {"&Game", "&Hint\tH", ID_GAME_HINT},
      {"&Game", "E&xit", ID_APP_EXIT},
      {"&Options", "&Number of Columns", ID_OPTIONS_COLUMNS},
      {"&Options", "&Players", ID_OPTIONS_PLAYERS},
      {"&Options", "Number of Players", ID_OPTIONS_NUM_PLAYERS},
      {"&Speed", "&Slow", ID_OPTIONS_SPEED_SLOW},
      {"&Speed", "&Normal", ID_OPTIONS_SPEED_NORMAL},
      {"&Speed", "&Fast", ID_OPTIONS_SPEED_FAST},
      {"Computer S&trength", "&Classic", ID_OPTIONS_STRENGTH_CLASSIC},
      {"Computer S&trength", "S&trong", ID_OPTIONS_STRENGTH_STRONG},
      {"&Options", "&Remember Options", ID_OPTIONS_REMEMBER},
      {"&Help", "&Help Topics", ID_HELP_FINDER},
      {"&Help", "&About Tumbleroad.", ID_APP_ABOUT},
  };
  std::vector<Entry> shown;
  const auto* bar = Window()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const QList<QAction*> bars = bar->actions();
  std::vector<const QAction*> popups(bars.begin(), bars.end());
  for (std::size_t p = 0; p < popups.size(); ++p) {
    for (const QAction* item : popups[p]->menu()->actions()) {
      if (item->menu() != nullptr) {
        popups.push_back(item);
      } else if (!item->isSeparator()) {
        shown.emplace_back(popups[p]->text().toStdString(), item->text().toStdString(),
                           item->data().toUInt());
      }
    }
  }
  std::sort(wanted.begin(), wanted.end());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, wanted);
}

TEST_F(MainWindowTest, CaptionIconAndSizeFollowTheBoard) {
  Start();
  QWidget* window = Window();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tumbleroad"));
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_GE(window->windowIcon().availableSizes().size(), 2);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

  // The client area is the 480 × 480 board behind a 2-pixel edge, under the
  // menu bar and over the status line; the window opens at its smallest.
  EXPECT_EQ(Frame()->ClientWidth(), 484);
  EXPECT_EQ(Frame()->ClientHeight(), 484);
  const auto* bar = window->findChild<QMenuBar*>();
  const QSize opening(484, 484 + kStatusLineRows + bar->height());
  EXPECT_EQ(window->size(), opening);
  EXPECT_EQ(window->minimumSize(), opening);

  // Larger, the board takes the scale the room allows; smaller it cannot be.
  window->resize(opening.width() * 2, (484 + kStatusLineRows) * 2 + bar->height() - 1);
  EXPECT_EQ(Frame()->SurfaceWidget()->Scale(), 1);
  window->resize(opening.width() * 2, (484 + kStatusLineRows) * 2 + bar->height());
  EXPECT_EQ(Frame()->SurfaceWidget()->Scale(), 2);
  window->resize(100, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->size(), opening);

  // The caption never changes, whatever the game does.
  g_nWinner = 1;
  Frame()->OnCommand(ID_FILE_NEW);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tumbleroad"));
}

TEST_F(MainWindowTest, BoardLiesInsideASunkenEdgeAtTwoTwo) {
  Start();
  const QImage& surface = *Frame()->ClientSurface();
  CBitmap board;
  ASSERT_TRUE(board.LoadBitmap(IDB_BOARD));
  // Points of the olive field that nothing is painted over.
  for (const QPoint point : {QPoint(100, 8), QPoint(200, 30), QPoint(20, 150), QPoint(470, 300)}) {
    EXPECT_EQ(surface.pixel(point + QPoint(2, 2)), board.Image()->pixel(point)) << point.x();
  }
  EXPECT_EQ(surface.pixel(0, 100), qRgb(128, 128, 128));
  EXPECT_EQ(surface.pixel(1, 100), qRgb(0, 0, 0));
  EXPECT_EQ(surface.pixel(483, 100), qRgb(255, 255, 255));
  EXPECT_EQ(surface.pixel(482, 100), qRgb(192, 192, 192));
  EXPECT_EQ(surface.pixel(100, 483), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, WindowIsCentredOnTheScreen) {
  Start();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = Window()->frameGeometry();
  EXPECT_EQ(outer.topLeft(), screen.topLeft() + CentredWindowOrigin(screen.size(), outer.size()));
}

TEST(WindowPlacement, CentringTruncatesTowardZeroOnSmallScreens) {
  EXPECT_EQ(CentredWindowOrigin({1280, 1024}, {490, 528}), QPoint(395, 248));
  EXPECT_EQ(CentredWindowOrigin({1281, 1025}, {490, 528}), QPoint(395, 248));
  // One pixel too small gives 0, two give -1: the window keeps its size.
  EXPECT_EQ(CentredWindowOrigin({489, 527}, {490, 528}), QPoint(0, 0));
  EXPECT_EQ(CentredWindowOrigin({488, 526}, {490, 528}), QPoint(-1, -1));
  EXPECT_EQ(CentredWindowOrigin({485, 520}, {490, 528}), QPoint(-2, -4));
}

TEST(ScreenScale, TheLargestWholeScaleWhoseWindowFitsTheScreen) {
  const QSize board(484, 484);
  const QSize chrome(2, 50);  // frame and menu bar, in logical pixels
  struct Case {
    qreal ratio;
    QSize available;  // logical pixels
    int scale;
  } const cases[] = {
      {1.0, {1280, 1024}, 1}, {0.5, {4000, 4000}, 1}, {1.25, {1536, 864}, 2},
      {1.25, {1024, 600}, 1}, {1.5, {1280, 720}, 2},  {1.5, {910, 512}, 1},  // 1366 x 768
      {2.0, {1920, 1080}, 2}, {2.0, {400, 300}, 1},   {3.0, {640, 400}, 2},
      {3.0, {1280, 720}, 3},  {2.5, {1536, 864}, 3},  {1.0, {300, 200}, 1},
  };
  for (const Case& c : cases) {
    const int scale = SurfaceScale(board, c.ratio, chrome, c.available);
    EXPECT_EQ(scale, c.scale) << c.ratio << " on " << c.available.width() << "x"
                              << c.available.height();
    if (scale > 1) {
      const QSize window = LogicalSurfaceSize(board, c.ratio, scale) + chrome;
      EXPECT_LE(window.height(), c.available.height());
    }
  }
}

TEST(WindowPlacement, TheWindowIsKeptOnTheScreenWithItsCornerReachable) {
  const QRect screen(0, 0, 1366, 768);
  // Where it fits, it stays as placed or is pushed back inside.
  EXPECT_EQ(KeepOnScreen({400, 100}, {490, 528}, screen), QPoint(400, 100));
  EXPECT_EQ(KeepOnScreen({400, -114}, {490, 528}, screen), QPoint(400, 0));
  EXPECT_EQ(KeepOnScreen({1000, 500}, {490, 528}, screen), QPoint(876, 240));
  // Larger than the screen: the top-left corner stays on it.
  EXPECT_EQ(KeepOnScreen({-20, -114}, {969, 998}, screen), QPoint(0, 0));
  // A panel above the available area, on a second screen to the right.
  EXPECT_EQ(KeepOnScreen({1400, 0}, {490, 528}, QRect(1366, 30, 1280, 994)), QPoint(1400, 30));
}

TEST(ScreenScale, MousePositionsMapBackToSurfacePixels) {
  EXPECT_EQ(SurfacePointAt({10, 20}, 1.0, 1).x, 10);
  // At ratio 2 and scale 2 logical pixels are surface pixels; halves round down.
  EXPECT_EQ(SurfacePointAt({10.5, 20.75}, 2.0, 2).x, 10);
  EXPECT_EQ(SurfacePointAt({10.5, 20.75}, 2.0, 2).y, 20);
  // At ratio 1.5 and scale 2: logical 3 is device 4.5, surface 2.
  EXPECT_EQ(SurfacePointAt({3, 0}, 1.5, 2).x, 2);
  EXPECT_EQ(SurfacePointAt({482.9, 0}, 1.5, 2).x, 362);
  // At ratio 1.25 the scale stays 1: logical 8 is device 10.
  EXPECT_EQ(SurfacePointAt({8, 8}, 1.25, 1).y, 10);
  EXPECT_EQ(SurfacePointAt({-0.5, 0}, 1.0, 1).x, -1);
}

TEST_F(MainWindowTest, F2StartsANewGameAndF1OpensHelp) {
  Start();
  g_nProgress[0][7] = 5;
  g_nWinner = 1;
  QTest::keyClick(Window(), Qt::Key_F2);
  EXPECT_EQ(g_nProgress[0][7], 0);
  EXPECT_EQ(g_nWinner, 0);

  // F2 with a modifier is not the accelerator.
  g_nProgress[0][7] = 5;
  QTest::keyClick(Window(), Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(g_nProgress[0][7], 5);

  QTest::keyClick(Window(), Qt::Key_F1);
  EXPECT_EQ(HelpWindowTitle(), QStringLiteral("Tumbleroad Help"));
}

}  // namespace

namespace {

// The title bar the window draws itself on Wayland: its close box closes on a
// release inside it, and nowhere else.
TEST(TitleBar, TheCloseBoxClosesTheWindowOnReleaseInsideIt) {
  QWidget window;
  window.setWindowTitle(QStringLiteral("Tumbleroad"));
  auto* bar = new CTitleBar(&window);
  bar->setGeometry(0, 0, 300, bar->sizeHint().height());
  window.show();
  const int middle = bar->height() / 2;
  const QPoint closeBox(bar->width() - middle, middle);

  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(150, middle));
  EXPECT_TRUE(window.isVisible()) << "a click on the caption closed the window";
  QTest::mousePress(bar, Qt::LeftButton, {}, closeBox);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(150, middle));
  EXPECT_TRUE(window.isVisible()) << "a press dragged off the close box closed the window";
  QTest::mouseClick(bar, Qt::RightButton, {}, closeBox);
  EXPECT_TRUE(window.isVisible());
  QTest::mouseClick(bar, Qt::LeftButton, {}, closeBox);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
