#include <QAccessible>

#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "shell_test_support.h"
#include "support/board_setup.h"
#include "support/dice_control.h"

namespace {

class BoardAccessibleTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    Start();
    m_pBoard = QAccessible::queryAccessibleInterface(Frame()->SurfaceWidget());
    ASSERT_NE(m_pBoard, nullptr);
  }
  QAccessibleInterface* Part(int index) const { return m_pBoard->child(index); }

  QAccessibleInterface* m_pBoard = nullptr;
};

TEST_F(BoardAccessibleTest, TheTreeReadsThePositionOnTheBoard) {
  SetDice(0, 5, 3, 6);
  g_Dice[2].m_bSelected = 1;
  g_bPairPlayed = 1;
  g_nProgress[0][7] = 3;
  g_nProgress[1][7] = 1;
  g_WhitePegs.Advance(7);
  g_WhitePegs.Advance(7);
  Claim(1, {12});

  EXPECT_EQ(m_pBoard->text(QAccessible::Name), QStringLiteral("Tumbleroad board"));
  EXPECT_TRUE(m_pBoard->text(QAccessible::Description).contains("R presses ROLL"));
  EXPECT_TRUE(m_pBoard->state().focusable);
  ASSERT_EQ(m_pBoard->childCount(), 18);
  const struct {
    int index;
    QAccessible::Role role;
    const char* name;
    bool checked, disabled;
  } parts[] = {
      {0, QAccessible::CheckBox, "Top-left die: used", false, true},
      {1, QAccessible::CheckBox, "Top-right die: 5", false, false},
      {2, QAccessible::CheckBox, "Bottom-left die: 3", true, false},
      {3, QAccessible::CheckBox, "Bottom-right die: 6", false, false},
      {4, QAccessible::PushButton, "ROLL", false, false},
      {5, QAccessible::PushButton, "STOP", false, false},
      {6, QAccessible::StaticText, "Column 2: empty", false, false},
      {11, QAccessible::StaticText, "Column 7: Player 1 at 3, Player 2 at 1, white peg at 5", false,
       false},
      {16, QAccessible::StaticText, "Column 12: claimed by Player 2", false, false},
      {17, QAccessible::StaticText, "Player 1", false, false},
  };
  for (const auto& want : parts) {
    QAccessibleInterface* part = Part(want.index);
    EXPECT_EQ(part->role(), want.role) << want.name;
    EXPECT_EQ(part->text(QAccessible::Name), QString::fromLatin1(want.name));
    EXPECT_EQ(part->state().checked != 0, want.checked) << want.name;
    EXPECT_EQ(part->state().disabled != 0, want.disabled) << want.name;
    EXPECT_EQ(part->parent(), m_pBoard);
    EXPECT_EQ(m_pBoard->indexOfChild(part), want.index);
    EXPECT_EQ(m_pBoard->childAt(part->rect().center().x(), part->rect().center().y()), part);
  }

  g_nWinner = 2;
  EXPECT_EQ(Part(17)->text(QAccessible::Name), QStringLiteral("Winner 2"));
  EXPECT_TRUE(Part(1)->state().disabled);
  EXPECT_TRUE(Part(4)->state().disabled);
  g_nWinner = 0;
  g_bNoWinner = 1;
  EXPECT_EQ(Part(17)->text(QAccessible::Name), QStringLiteral("No Winner"));
}

TEST_F(BoardAccessibleTest, ThePressActionsDoWhatTheKeysDo) {
  QAccessibleActionInterface* die = Part(1)->actionInterface();
  ASSERT_NE(die, nullptr);
  EXPECT_EQ(die->actionNames(), QStringList{die->pressAction()});
  EXPECT_EQ(die->keyBindingsForAction(die->pressAction()), QStringList{"2"});
  die->doAction(die->pressAction());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(g_Dice[1].m_bSelected, 1);
  EXPECT_EQ(Part(11)->actionInterface(), nullptr);
}

}  // namespace
