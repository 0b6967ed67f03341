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

// What lies under a board point: the first and last pixels of each die and
// button as the view draws the board, measured on its pictures, and the
// pixels just beyond; the points the tests press at lie on what they name.
TEST(BoardDisplay, FindsTheDieOrButtonUnderAPoint) {
  const CBoardDisplay& board = *BoardDisplay();
  const struct {
    CPoint first, last;
    int die;
    BoardButton button;
  } places[] = {{{2, 2}, {71, 72}, 0, BoardButton::kNone},
                {{407, 3}, {476, 73}, 1, BoardButton::kNone},
                {{3, 405}, {72, 475}, 2, BoardButton::kNone},
                {{406, 405}, {475, 475}, 3, BoardButton::kNone},
                {{6, 212}, {29, 264}, -1, BoardButton::kStop},
                {{449, 212}, {472, 264}, -1, BoardButton::kRoll}};
  for (const auto& [first, last, die, button] : places) {
    for (const CPoint on : {first, last, CPoint{last.x, first.y}, CPoint{first.x, last.y}}) {
      EXPECT_EQ(board.DieAt(on), die) << on.x << ", " << on.y;
      EXPECT_EQ(board.ButtonAt(on), button) << on.x << ", " << on.y;
    }
    for (const CPoint off : {CPoint{first.x - 1, first.y}, CPoint{first.x, first.y - 1},
                             CPoint{last.x + 1, last.y}, CPoint{last.x, last.y + 1}}) {
      EXPECT_EQ(board.DieAt(off), -1) << off.x << ", " << off.y;
      EXPECT_EQ(board.ButtonAt(off), BoardButton::kNone) << off.x << ", " << off.y;
    }
  }
  for (int die = 0; die < 4; ++die) {
    EXPECT_EQ(board.DieAt(DiePoint(die)), die);
  }
  EXPECT_EQ(board.ButtonAt(kStopPoint), BoardButton::kStop);
  EXPECT_EQ(board.ButtonAt(kRollPoint), BoardButton::kRoll);
  EXPECT_EQ(board.DieAt(kBoardPoint), -1);
  EXPECT_EQ(board.ButtonAt(kBoardPoint), BoardButton::kNone);
}
