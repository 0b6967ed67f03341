#include "app/status_line.h"

#include <QElapsedTimer>

#include "app/hint_words.h"
#include "board/sprites.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "shell_test_support.h"
#include "support/board_setup.h"
#include "support/dice_control.h"

namespace {

TEST(StatusLineWordsTest, NameTheSeatItsKindAndTheColumns) {
  g_nPlayerType[0] = kHumanSeat;
  g_nPlayerType[1] = kComputerSeat;
  g_nProgress[1][7] = 9;
  g_nProgress[1][8] = 4;
  const struct {
    PlayEvent event;
    const char* words;
  } kCases[] = {
      {{PlayEventKind::kBust, 0}, "Player 1 busts"},
      {{PlayEventKind::kBust, 1}, "Player 2 (computer) busts"},
      {{PlayEventKind::kNoPlay, 1}, "Player 2 (computer) cannot play this throw: the turn passes"},
      {{PlayEventKind::kStop, 1, 1U << 7 | 1U << 8},
       "Player 2 (computer) stops: column 7 at cell 9, column 8 at cell 4"},
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
  ResetGameState();
}

TEST(StatusLineWordsTest, PromptSaysWhoIsToPlayAndWhatTheyMayDo) {
  const struct {
    int seat;
    int type;
    int pairPlayed;
    int winner;
    const char* words;
  } kCases[] = {
      {0, kHumanSeat, 0, 0, "Player 1: choose two dice"},
      {0, kHumanSeat, 1, 0, "Player 1: roll or stop"},
      {2, kComputerSeat, 1, 0, "Player 3 (computer): roll or stop"},
      {0, kHumanSeat, 0, 2, ""},
  };
  for (const auto& c : kCases) {
    ResetGameState();
    g_nPlayers = 3;
    g_nCurrentPlayer = c.seat;
    g_nPlayerType[c.seat] = c.type;
    g_bPairPlayed = c.pairPlayed;
    g_nWinner = c.winner;
    EXPECT_EQ(TurnPromptWords(), QString::fromUtf8(c.words)) << c.seat << c.pairPlayed;
  }
  ResetGameState();
}

// What the status line says once it has heard each event.
class EventWords : public CPlayListener {
 public:
  EventWords() : m_pLine(SetPlayListener(this)) {}
  ~EventWords() override { SetPlayListener(m_pLine); }
  void OnPlayEvent(const PlayEvent& event) override {
    m_pLine->OnPlayEvent(event);
    m_heard.emplace_back(event.kind, StatusLineText().toStdString());
  }
  std::vector<std::pair<PlayEventKind, std::string>> m_heard;

 private:
  CPlayListener* m_pLine;
};

class StatusLineTest : public BoardWidgetTest {
 protected:
  QWidget* Line() const { return m_pSurface->findChild<QWidget*>(QStringLiteral("statusLine")); }
};

// The words a person's own ROLL and STOP bring, under the board, and how long
// they stay.
TEST_F(StatusLineTest, SaysTheBustTheStopAndTheEarlyWin) {
  const QWidget* line = Line();
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisible());
  // Under the board, clear of it, as wide as the board's frame.
  EXPECT_EQ(line->geometry(),
            m_pSurface->LogicalRect(StatusLineArea().translated(kViewEdge, kViewEdge)));
  EXPECT_GE(line->geometry().top(),
            m_pSurface->LogicalRect(QRect(0, 0, 1, kBoardSize + 2 * kViewEdge)).bottom());
  EXPECT_EQ(StatusLineText(), QStringLiteral("Player 1: choose two dice"));

  g_nColumnsToWin = 2;
  SetDice(1, 1, 1, 1);
  g_WhitePegs.Advance(2);
  g_bPairPlayed = 1;
  // Sums of 12 only, and column 12 claimed: the throw busts.
  Claim(1, {12});
  SetNextThrows({{6, 6, 6, 6}, {1, 2, 3, 4}});
  Type("R");
  EXPECT_EQ(StatusMessageText(), QStringLiteral("Player 1 busts"));
  EXPECT_EQ(StatusLineText(), StatusMessageText());
  // The next input takes it away; the prompt is back.
  Type("1");
  EXPECT_EQ(StatusMessageText(), QString());
  EXPECT_EQ(StatusLineText(), QStringLiteral("Player 2: choose two dice"));

  // Player 2 stops with pegs on the top of column 2 and in column 5: the
  // claim of the second column wins at once, before the next throw.
  ASSERT_EQ(g_nCurrentPlayer, 1);
  SetDice(1, 1, 1, 1);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(5);
  g_bPairPlayed = 1;
  const std::string win = "Player 2 wins. F2 starts a new game.";
  {
    EventWords events;
    SetNextThrows({{1, 2, 3, 4}});
    Type("S");
    using Heard = std::pair<PlayEventKind, std::string>;
    EXPECT_EQ(events.m_heard,
              (std::vector<Heard>{
                  {PlayEventKind::kStop, "Player 2 stops: column 2 at cell 3, column 5 at cell 1"},
                  {PlayEventKind::kClaim, win},
                  {PlayEventKind::kWin, win}}));
  }
  EXPECT_EQ(StatusMessageText().toStdString(), win);
  // The win stays through input and the program's own words, until a new game.
  Type("1");
  GiveHint();
  EXPECT_EQ(StatusMessageText().toStdString(), win);
  Type("F2");
  EXPECT_EQ(StatusMessageText(), QString());
}

TEST_F(StatusLineTest, AStopSaysWhereThePegsStandAndWhatItClaimed) {
  SetDice(1, 1, 1, 1);
  g_nProgress[0][7] = 8;
  g_WhitePegs.Advance(7);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_WhitePegs.Advance(2);
  g_bPairPlayed = 1;
  SetNextThrows({{1, 2, 3, 4}});
  Type("S");
  EXPECT_EQ(StatusMessageText(),
            QStringLiteral("Player 1 stops: column 2 at cell 3, column 7 at cell 9. "
                           "Player 1 claims column 2"));
  // A message goes of itself after a while; the prompt follows the board.
  QElapsedTimer shown;
  shown.start();
  EXPECT_TRUE(QTest::qWaitFor([] { return StatusMessageText().isEmpty(); }, 2 * kStatusMessageMs));
  // A coarse timer may fire up to 5 % early.
  EXPECT_GE(shown.elapsed(), kStatusMessageMs * 9 / 10);
  EXPECT_EQ(StatusLineText(), QStringLiteral("Player 2: choose two dice"));
}

TEST_F(StatusLineTest, AClickMovesAGameOfComputersOn) {
  g_nPlayerType[0] = g_nPlayerType[1] = kComputerSeat;
  NewGame();
  const auto state = [] {
    std::vector<int> now{g_nCurrentPlayer};
    for (int c = 2; c <= 12; ++c) {
      now.push_back(g_nProgress[0][c]);
      now.push_back(g_nProgress[1][c]);
    }
    for (const CDie& die : g_Dice) {
      now.push_back(die.m_nValue);
    }
    return now;
  };
  const std::vector<int> before = state();
  QTest::mouseClick(m_pSurface, Qt::LeftButton, {}, QPoint(242, 242));
  EXPECT_NE(state(), before);
}

}  // namespace
