#include <QAccessible>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "shell_test_support.h"
#include "support/board_setup.h"
#include "support/dice_control.h"

namespace {

// A part of the board as a screen reader lists it: role, name, states.
QString Describe(QAccessibleInterface* part) {
  const QAccessible::Role role = part->role();
  return QStringLiteral("%1 %2%3%4")
      .arg(role == QAccessible::CheckBox       ? "check box"
           : role == QAccessible::PushButton   ? "button"
           : role == QAccessible::StaticText   ? "label"
           : role == QAccessible::AlertMessage ? "alert"
                                               : "other")
      .arg(part->text(QAccessible::Name))
      .arg(part->state().checked ? " (checked)" : "")
      .arg(part->state().disabled ? " (disabled)" : "");
}

using BoardAccessibleTest = ShellTest;

TEST_F(BoardAccessibleTest, TheTreeReadsThePositionOnTheBoard) {
  Start();
  SetDice(0, 5, 3, 6);
  g_Dice[2].m_bSelected = 1;
  g_bPairPlayed = 1;
  g_nProgress[0][7] = 3;
  g_nProgress[1][7] = 1;
  g_WhitePegs.Advance(7);
  g_WhitePegs.Advance(7);
  Claim(1, {12});
  g_nProgress[0][12] = 2;

  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Frame()->SurfaceWidget());
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Tumbleroad board"));
  EXPECT_TRUE(board->text(QAccessible::Description).contains("R presses ROLL"));
  EXPECT_TRUE(board->state().focusable);
  const QStringList parts = {
      "check box Top-left die: used (disabled)",
      "check box Top-right die: 5",
      "check box Bottom-left die: 3 (checked)",
      "check box Bottom-right die: 6",
      "button ROLL",
      "button STOP",
      "label Column 2: empty",
      "label Column 3: empty",
      "label Column 4: empty",
      "label Column 5: empty",
      "label Column 6: empty",
      "label Column 7: Player 1 at 3, Player 2 at 1, white peg at 5",
      "label Column 8: empty",
      "label Column 9: empty",
      "label Column 10: empty",
      "label Column 11: empty",
      "label Column 12: claimed by Player 2",
      "label Player 1",
      "alert ",
  };
  ASSERT_EQ(board->childCount(), parts.size());
  for (int i = 0; i < board->childCount(); ++i) {
    QAccessibleInterface* part = board->child(i);
    EXPECT_EQ(Describe(part), parts[i]);
    EXPECT_EQ(part->parent(), board);
    EXPECT_EQ(board->indexOfChild(part), i);
    if (!part->state().invisible) {
      EXPECT_EQ(board->childAt(part->rect().center().x(), part->rect().center().y()), part);
    }
  }

  g_nWinner = 2;
  EXPECT_EQ(Describe(board->child(17)), QStringLiteral("label Winner 2"));
  EXPECT_EQ(Describe(board->child(1)), QStringLiteral("check box Top-right die: 5 (disabled)"));
  EXPECT_EQ(Describe(board->child(4)), QStringLiteral("button ROLL (disabled)"));
  g_nWinner = 0;
  g_bNoWinner = 1;
  EXPECT_EQ(Describe(board->child(17)), QStringLiteral("label No Winner"));

  // A die's press action is its key; a screen reader pressing it is checked end to end.
  QAccessibleActionInterface* die = board->child(1)->actionInterface();
  ASSERT_NE(die, nullptr);
  EXPECT_EQ(die->keyBindingsForAction(die->pressAction()), QStringList{"2"});
  EXPECT_EQ(board->child(11)->actionInterface(), nullptr);
}

}  // namespace
