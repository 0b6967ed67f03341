// The view's own paint and the immediate repaint put the board on the same
// screen pixels; only the two buttons stand where each context puts them.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "board/painter.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "support/board_pictures.h"
#include "support/displayless_main_window.h"

namespace {

// A game in progress with something in every kind of place: pegs, a claimed
// column, white pegs, a picked die, a used die and live buttons.
void SetUpMidGame() {
  ResetGameState();
  g_nPlayers = 4;
  g_nCurrentPlayer = 3;
  g_nProgress[0][7] = 4;
  g_nProgress[1][3] = g_nColumnHeight[3];
  g_nProgress[2][9] = 2;
  g_nProgress[3][6] = 5;
  g_WhitePegs.Advance(6);
  g_WhitePegs.Advance(10);
  const int values[4] = {3, 0, 6, 2};
  for (int d = 0; d < 4; ++d) {
    g_Dice[d].m_nValue = values[d];
  }
  g_Dice[2].m_bSelected = 1;
  g_bPairPlayed = 1;
  g_bBoardDrawn = 1;
}

QImage PaintThroughTheView() {
  DisplaylessMainWindow window;
  CWnd view;
  view.CreateChildArea(&window.Frame(), 2, 2, 480, 480);
  CDC* pDC = view.GetDC();
  PaintBoardAfresh(pDC);
  view.ReleaseDC(pDC);
  return window.Surface().copy();
}

QImage PaintThroughTheMainWindow() {
  DisplaylessMainWindow window;
  g_bBoardDrawn = 0;
  g_Dice[2].m_bRedraw = 1;
  RepaintNow();
  return window.Surface().copy();
}

}  // namespace

// The view paints on an empty window while the game believes the board and
// the picked die's body are on the screen: it must rebuild them itself.
TEST(ViewPaint, RebuildsTheBoardWhereTheImmediateRepaintPutsIt) {
  SetUpMidGame();
  const QImage byView = PaintThroughTheView();
  SetUpMidGame();
  const QImage byMainWindow = PaintThroughTheMainWindow();

  // In the main window's client area: the buttons of the immediate repaint at
  // their places as they stand, those of the view's paint 2 pixels further.
  const QRect buttons[4] = {
      {kStopButtonPlace.x, kStopButtonPlace.y, kButtonWidth, kButtonHeight},
      {kRollButtonPlace.x, kRollButtonPlace.y, kButtonWidth, kButtonHeight},
      {kStopButtonPlace.x + 2, kStopButtonPlace.y + 2, kButtonWidth, kButtonHeight},
      {kRollButtonPlace.x + 2, kRollButtonPlace.y + 2, kButtonWidth, kButtonHeight},
  };
  int compared = 0;
  for (int y = 0; y < byView.height(); ++y) {
    for (int x = 0; x < byView.width(); ++x) {
      const bool onButton = std::any_of(std::begin(buttons), std::end(buttons),
                                        [x, y](const QRect& r) { return r.contains(x, y); });
      if (!onButton) {
        ASSERT_EQ(byView.pixel(x, y), byMainWindow.pixel(x, y)) << x << "," << y;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 480 * 480 - 4 * kButtonWidth * kButtonHeight);

  EXPECT_EQ(byMainWindow.copy(buttons[0]), ButtonPicture(kStopLivePicture));
  EXPECT_EQ(byMainWindow.copy(buttons[1]), ButtonPicture(kRollLivePicture));
  EXPECT_EQ(byView.copy(buttons[2]), ButtonPicture(kStopLivePicture));
  EXPECT_EQ(byView.copy(buttons[3]), ButtonPicture(kRollLivePicture));
}
