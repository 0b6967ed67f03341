// Game > Hint and H: the pair marked on the dice, the advice in the status line
// and in the screen reader's alert; Options > Computer Strength.
#include <QAccessible>

#include "ai/computer_strength.h"
#include "app/status_line.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "res/resource.h"
#include "shell_test_support.h"
#include "support/board_setup.h"
#include "support/dice_control.h"

namespace {

class HintTest : public BoardWidgetTest {
 protected:
  QString Alert() const {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(m_pSurface);
    return board->child(board->childCount() - 1)->text(QAccessible::Name);
  }

  static std::vector<int> Selected() {
    std::vector<int> dice;
    for (int die = 0; die < 4; ++die) {
      if (g_Dice[die].m_bSelected == 1) {
        dice.push_back(die);
      }
    }
    return dice;
  }
};

TEST_F(HintTest, MarksThePairTheStrongComputerWouldPlayThenSaysStop) {
  // Two claims, the 7 two cells below its top: the double of 7 wins.
  Claim(0, {2, 12});
  g_nProgress[0][7] = 11;
  SetDice(3, 4, 2, 5);
  Type("H");
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
  EXPECT_EQ(StatusMessageText(), QStringLiteral("Hint: play 3 and 4, column 7"));
  EXPECT_EQ(Alert(), StatusMessageText());
  // The selection is the person's own: Enter plays it.
  Type("Return");
  EXPECT_EQ(WhitePegHeight(7), 12);
  EXPECT_EQ(StatusMessageText(), QString());

  Frame()->OnCommand(ID_GAME_HINT);
  EXPECT_EQ(Selected(), (std::vector<int>{2, 3}));
  EXPECT_EQ(StatusMessageText(), QStringLiteral("Hint: play 2 and 5, column 7"));
  Type("Return");
  ASSERT_EQ(WhitePegHeight(7), 13);

  Type("H");
  EXPECT_TRUE(
      StatusMessageText().startsWith(QStringLiteral("Hint: stop. The next throw would bust ")))
      << StatusMessageText().toStdString();
  EXPECT_EQ(Alert(), StatusMessageText());
  // Nothing of the rules has changed.
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_nProgress[0][7], 11);
  EXPECT_EQ(g_WhitePegs.m_nCount, 1);
}

TEST_F(HintTest, ComputerStrengthIsOneChoiceForEveryComputerSeat) {
  EXPECT_EQ(g_strength[0], ComputerStrength::kClassic);
  Frame()->OnCommand(ID_OPTIONS_STRENGTH_STRONG);
  for (const ComputerStrength strength : g_strength) {
    EXPECT_EQ(strength, ComputerStrength::kStrong);
  }
  Frame()->OnCommand(ID_OPTIONS_STRENGTH_CLASSIC);
  for (const ComputerStrength strength : g_strength) {
    EXPECT_EQ(strength, ComputerStrength::kClassic);
  }
}

}  // namespace
