// The board's own display, as the rules use it: repaints, button pictures
// and what lies under a board point.
#include "board/main_window_board.h"

#include <gtest/gtest.h>

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "platform/win_app.h"
#include "support/board_mouse.h"
#include "support/board_pictures.h"
#include "support/displayless_main_window.h"
#include "support/game_snapshot.h"

TEST(BoardDisplay, RepaintsNothingWithoutAMainWindow) {
  ResetGameState();
  CWinApp app;
  // What painting would change: the dice bodies wanted and the background missing.
  for (CDie& die : g_Dice) {
    die.m_bRedraw = 1;
  }
  g_bBoardDrawn = 0;
  const GameSnapshot before;
  RepaintNow();
  EXPECT_TRUE(before == GameSnapshot());
  EXPECT_EQ(g_bBoardDrawn, 0);
}

TEST(BoardDisplay, PutsEachButtonPictureAtItsPlaceAtOnce) {
  ResetGameState();
  DisplaylessMainWindow window;
  const auto shows = [&](int pictureX, CPoint place) {
    return ButtonShown(window.Surface(), place) == ButtonPicture(pictureX);
  };
  ShowButtonPressed(BoardButton::kStop);
  EXPECT_EQ(window.Presents(), 1);
  EXPECT_TRUE(shows(kStopPressedPicture, kStopButtonPlace));
  ShowBothButtonsLive();
  EXPECT_EQ(window.Presents(), 2);
  EXPECT_TRUE(shows(kStopLivePicture, kStopButtonPlace));
  EXPECT_TRUE(shows(kRollLivePicture, kRollButtonPlace));
  ShowButtonPressed(BoardButton::kRoll);
  EXPECT_TRUE(shows(kRollPressedPicture, kRollButtonPlace));
  EXPECT_TRUE(shows(kStopLivePicture, kStopButtonPlace));
}

// Every pixel of a die's or a button's picture is on it, and none beyond; the
// points the tests press at lie on what they name.
TEST(BoardDisplay, FindsTheDieOrButtonUnderAPoint) {
  const CBoardDisplay& board = *BoardDisplay();
  for (int die = 0; die < 4; ++die) {
    const CArea area = DieArea(die);
    EXPECT_EQ(board.DieAt(DiePoint(die)), die);
    EXPECT_EQ(board.DieAt({area.left, area.top}), die);
    EXPECT_EQ(board.DieAt({area.right, area.bottom}), die);
    EXPECT_EQ(board.DieAt({area.left - 1, area.top}), -1) << die;
    EXPECT_EQ(board.DieAt({area.right, area.bottom + 1}), -1) << die;
    EXPECT_EQ(board.ButtonAt(DiePoint(die)), BoardButton::kNone);
  }
  const struct {
    CArea area;
    CPoint testPoint;
    BoardButton button;
  } buttons[2] = {{kStopArea, kStopPoint, BoardButton::kStop},
                  {kRollArea, kRollPoint, BoardButton::kRoll}};
  for (const auto& b : buttons) {
    EXPECT_EQ(board.ButtonAt(b.testPoint), b.button);
    EXPECT_EQ(board.ButtonAt({b.area.left, b.area.top}), b.button);
    EXPECT_EQ(board.ButtonAt({b.area.right, b.area.bottom}), b.button);
    EXPECT_EQ(board.ButtonAt({b.area.right + 1, b.area.bottom}), BoardButton::kNone);
    EXPECT_EQ(board.ButtonAt({b.area.left, b.area.top - 1}), BoardButton::kNone);
    EXPECT_EQ(board.DieAt(b.testPoint), -1);
  }
  EXPECT_EQ(board.DieAt(kBoardPoint), -1);
  EXPECT_EQ(board.ButtonAt(kBoardPoint), BoardButton::kNone);
}
