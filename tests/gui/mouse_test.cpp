#include <QTest>

#include "game/dice.h"
#include "game/game_state.h"
#include "shell_test_support.h"

namespace {

// Board points, and where they are on the widget: the board starts at (2, 2).
constexpr QPoint kDie0(30, 30);
constexpr QPoint kDie1(440, 40);
constexpr QPoint kRoll(460, 240);

QPoint OnWidget(QPoint board) {
  return board + QPoint(2, 2);
}

using MouseTest = BoardWidgetTest;

TEST_F(MouseTest, AClickOnADieSelectsItInBoardCoordinates) {
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, OnWidget(kDie0));
  EXPECT_EQ(g_Dice[0].m_bSelected, 1);
  EXPECT_EQ(g_Dice[1].m_bSelected, 0);
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, OnWidget(kDie0));
  EXPECT_EQ(g_Dice[0].m_bSelected, 0);
}

TEST_F(MouseTest, OtherButtonsAreIgnored) {
  QTest::mouseClick(m_pSurface, Qt::RightButton, {}, OnWidget(kDie0));
  QTest::mouseClick(m_pSurface, Qt::MiddleButton, {}, OnWidget(kDie0));
  EXPECT_EQ(g_Dice[0].m_bSelected, 0);
}

TEST_F(MouseTest, DoubleClickOnTheSecondDiePlaysThePair) {
  const int sum = g_Dice[0].m_nValue + g_Dice[1].m_nValue;
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, OnWidget(kDie0));
  DoubleClick(m_pSurface, OnWidget(kDie1));
  EXPECT_EQ(g_bPairPlayed, 1);
  EXPECT_EQ(g_Dice[0].m_nValue, 0);
  EXPECT_EQ(g_Dice[1].m_nValue, 0);
  EXPECT_EQ(g_nProgress[0][sum], 0) << "nothing is committed before STOP";
}

TEST_F(MouseTest, AReleaseOutsideTheBoardNeverReachesTheView) {
  g_bPairPlayed = 1;
  QTest::mousePress(m_pSurface, Qt::LeftButton, {}, OnWidget(kRoll));
  ASSERT_EQ(g_bRollPressed, 1);
  // On the sunken edge, right of the board: the view is not told.
  QTest::mouseRelease(m_pSurface, Qt::LeftButton, {}, QPoint(483, 242));
  EXPECT_EQ(g_bRollPressed, 1);
  EXPECT_EQ(g_bPairPlayed, 1);
  // A release on the board throws the dice.
  QTest::mousePress(m_pSurface, Qt::LeftButton, {}, OnWidget(kRoll));
  QTest::mouseRelease(m_pSurface, Qt::LeftButton, {}, OnWidget(kRoll));
  EXPECT_EQ(g_bRollPressed, 0);
  EXPECT_EQ(g_bPairPlayed, 0);
}

TEST_F(MouseTest, MovingOffTheButtonsCancelsAHeldButton) {
  g_bPairPlayed = 1;
  QTest::mousePress(m_pSurface, Qt::LeftButton, {}, OnWidget(kRoll));
  ASSERT_EQ(g_bRollPressed, 1);
  QTest::mouseMove(m_pSurface, OnWidget(QPoint(300, 300)));
  EXPECT_EQ(g_bRollPressed, 0);
  QTest::mouseRelease(m_pSurface, Qt::LeftButton, {}, OnWidget(kRoll));
  EXPECT_EQ(g_bPairPlayed, 1) << "a cancelled ROLL threw the dice";
}

TEST_F(MouseTest, TheScreenShowsTheSurfacePixelForPixelAfterEveryMove) {
  const auto shown = [this] {
    return m_pSurface->grab(m_pSurface->LogicalRect(Frame()->ClientSurface()->rect()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  const QImage before = *Frame()->ClientSurface();
  EXPECT_EQ(shown(), before);
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, OnWidget(kDie0));
  EXPECT_NE(shown(), before);
  EXPECT_EQ(shown(), *Frame()->ClientSurface());
}

}  // namespace
