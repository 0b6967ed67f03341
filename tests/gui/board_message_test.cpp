#include "app/board_message.h"

#include "game/game_state.h"
#include "game/white_pegs.h"
#include "shell_test_support.h"
#include "support/board_setup.h"
#include "support/dice_control.h"

namespace {

TEST(PlayEventWordsTest, NameTheSeatItsKindAndTheColumns) {
  g_nPlayerType[0] = kHumanSeat;
  g_nPlayerType[1] = kComputerSeat;
  const struct {
    PlayEvent event;
    const char* words;
  } kCases[] = {
      {{PlayEventKind::kBust, 0}, "Player 1 busts"},
      {{PlayEventKind::kBust, 1}, "Player 2 (computer) busts"},
      {{PlayEventKind::kNoPlay, 1}, "Player 2 (computer) cannot play this throw: the turn passes"},
      {{PlayEventKind::kClaim, 0, 1U << 7}, "Player 1 claims column 7"},
      {{PlayEventKind::kClaim, 0, 1U << 2 | 1U << 12}, "Player 1 claims columns 2 and 12"},
      {{PlayEventKind::kClaim, 1, 1U << 3 | 1U << 4 | 1U << 5},
       "Player 2 (computer) claims columns 3, 4 and 5"},
      {{PlayEventKind::kWin, 1}, "Player 2 (computer) wins. F2 starts a new game."},
      {{PlayEventKind::kNoWinner, -1}, "Nobody can win any more. F2 starts a new game."},
      {{PlayEventKind::kNewGame, -1}, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PlayEventWords(c.event), QString::fromUtf8(c.words));
  }
  g_nPlayerType[1] = kHumanSeat;
}

class BoardMessageTest : public BoardWidgetTest {
 protected:
  bool LabelShown() const {
    const auto* plate = m_pSurface->findChild<QWidget*>(QStringLiteral("boardMessage"));
    return plate != nullptr && plate->isVisible() && !BoardMessageText().isEmpty();
  }
};

// What a person's own ROLL and STOP bring, and how long the message stays.
TEST_F(BoardMessageTest, SaysTheBustTheClaimAndTheWin) {
  g_nColumnsToWin = 2;
  Claim(0, {12});
  SetDice(1, 1, 1, 1);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(3);
  g_WhitePegs.Advance(4);
  g_bPairPlayed = 1;
  // Sums of 12 only: column 12 is claimed, so the throw busts.
  SetNextThrows({{6, 6, 6, 6}});
  Type("R");
  EXPECT_EQ(BoardMessageText(), QStringLiteral("Player 1 busts"));
  EXPECT_TRUE(LabelShown());
  // The next input takes it away.
  Type("1");
  EXPECT_EQ(BoardMessageText(), QString());

  // Player 2 stops with a peg on the top of column 2, then Player 1's win.
  ASSERT_EQ(g_nCurrentPlayer, 1);
  Claim(0, {11});
  SetDice(1, 1, 1, 1);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_bPairPlayed = 1;
  SetNextThrows({{1, 2, 3, 4}});
  Type("S");
  EXPECT_EQ(BoardMessageText(), QStringLiteral("Player 1 wins. F2 starts a new game."));
  EXPECT_TRUE(LabelShown());
  EXPECT_TRUE(HasClaimed(1, 2));
  // The win stays through input, until a new game.
  Type("1");
  EXPECT_TRUE(LabelShown());
  Type("F2");
  EXPECT_EQ(BoardMessageText(), QString());
  EXPECT_FALSE(LabelShown());
}

}  // namespace

namespace {

TEST_F(BoardMessageTest, AClickMovesAGameOfComputersOn) {
  g_nPlayerType[0] = g_nPlayerType[1] = kComputerSeat;
  NewGame();
  const int seat = g_nCurrentPlayer;
  int committed = 0;
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, QPoint(242, 242));
  for (int s = 0; s < 2; ++s)
    for (int c = 2; c <= 12; ++c)
      committed += g_nProgress[s][c];
  EXPECT_TRUE(committed > 0 || g_nCurrentPlayer != seat);
}

}  // namespace
