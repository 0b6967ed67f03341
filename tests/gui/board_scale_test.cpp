// The board at whole-number scales: the scale a window's size gives, the
// scales the window may step through on a screen, and clicks at every scale.
#include "app/board_scale.h"

#include <QScreen>

#include "app/status_line.h"
#include "board/layout.h"
#include "board/sprites.h"
#include "game/dice.h"
#include "platform/ui/screen_fit.h"
#include "shell_test_support.h"

namespace {

// The board behind its edge, with the status line under it.
const QSize kShown(kBoardSize + 2 * kViewEdge, kBoardSize + 2 * kViewEdge + kStatusLineRows);

bool Fits(QSize size, QSize room) {
  return size.width() <= room.width() && size.height() <= room.height();
}

TEST(BoardScale, TheLargestWholeScaleThatFitsTheRoom) {
  const struct {
    qreal ratio;
    QSize room;  // logical pixels
    int scale;
  } kCases[] = {
      {1.0, {484, 520}, 1},   {1.0, {967, 1039}, 1},  {1.0, {968, 1040}, 2}, {1.0, {2000, 1040}, 2},
      {1.0, {1452, 1560}, 3}, {1.0, {1936, 2080}, 4}, {2.0, {484, 520}, 2},  {2.0, {483, 520}, 1},
      {1.5, {969, 1040}, 3},  {1.0, {100, 100}, 1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ScaleThatFits(kShown, c.ratio, c.room), c.scale)
        << c.ratio << " in " << c.room.width() << "x" << c.room.height();
  }
}

// Both ways, over many rooms: the scale chosen fits, and the next does not.
TEST(BoardScale, NeverAScaleThatDoesNotFitNorASmallerOneThanFits) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
    for (int width = 300; width <= 2600; width += 37) {
      for (int height = 300; height <= 2600; height += 41) {
        const QSize room(width, height);
        const int scale = ScaleThatFits(kShown, ratio, room);
        ASSERT_GE(scale, 1);
        if (scale > 1) {
          EXPECT_TRUE(Fits(LogicalSurfaceSize(kShown, ratio, scale), room))
              << width << "x" << height;
        }
        EXPECT_FALSE(Fits(LogicalSurfaceSize(kShown, ratio, scale + 1), room))
            << width << "x" << height;
      }
    }
  }
}

using BoardScaleShell = BoardWidgetTest;

// A window of any size: the board at the largest scale that fits, centred,
// and a click on a die chooses that die.
TEST_F(BoardScaleShell, ClicksMapToTheBoardAtEveryScale) {
  const QSize chrome = Window()->size() - m_pSurface->size();
  for (int scale = 1; scale <= 4; ++scale) {
    // A little more room than the scale needs, more across than down.
    Window()->resize(kShown * scale + QSize(60, 10) + chrome);
    ASSERT_EQ(m_pSurface->Scale(), scale);
    const QRect board = m_pSurface->LogicalRect(QRect(0, 0, kShown.width(), kShown.height()));
    EXPECT_EQ(board.left(), 30);
    EXPECT_EQ(board.top(), 5);
    for (int die = 0; die < 4; ++die) {
      const CArea area = DieArea(die);
      const QRect shown = m_pSurface->LogicalRect(
          QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom))
              .translated(kViewEdge, kViewEdge));
      // The die's last pixel row and column, just inside it.
      QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, shown.bottomRight());
      EXPECT_EQ(g_Dice[die].m_bSelected, 1) << "die " << die << " at scale " << scale;
      g_Dice[die].m_bSelected = 0;
    }
  }
}

TEST_F(BoardScaleShell, TheScaleSetIsCutToTheScreenAndZeroOpensAsBefore) {
  const QSize opening = Window()->size();
  const QRect available = Window()->screen()->availableGeometry();
  for (const int scale : {4, 2, 0}) {
    SetBoardScale(scale);
    EXPECT_LE(BoardScale(), scale);
    EXPECT_TRUE(Fits(Window()->frameGeometry().size(), available.size())) << scale;
  }
  EXPECT_EQ(BoardScale(), 0);
  EXPECT_EQ(Window()->size(), opening);
}

}  // namespace
