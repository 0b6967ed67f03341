// The option dialogs at work: each click writes its option at once, Cancel
// puts back what the dialog opened with, and OK in the players dialogs starts
// a new game (computer turns included) before DoModal returns.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <vector>

#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/random_source.h"
#include "res/resource.h"
#include "support/dice_control.h"
#include "support/displayless_main_window.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

class OptionDialogs : public testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    SeedRandom(7);
    // A game under way: seat 1 to move, holding a peg in column 7.
    g_nCurrentPlayer = 1;
    g_nProgress[1][7] = 4;
  }
  void TearDown() override { ResetGameState(); }

  static bool NewGameRan() { return g_nProgress[1][7] == 0; }

  DisplaylessMainWindow m_mainWindow;
};

// The ids of the checked radios among these.
std::vector<int> Checked(QDialog& window, std::initializer_list<int> ids) {
  std::vector<int> checked;
  for (int nID : ids) {
    if (IsChecked(window, nID)) {
      checked.push_back(nID);
    }
  }
  return checked;
}

std::vector<int> CheckedColumns(QDialog& window) {
  return Checked(window, {IDC_TWO_COLUMNS, IDC_THREE_COLUMNS, IDC_FOUR_COLUMNS});
}

std::vector<int> CheckedPlayers(QDialog& window) {
  return Checked(window, {IDC_TWO_PLAYERS, IDC_THREE_PLAYERS, IDC_FOUR_PLAYERS});
}

TEST_F(OptionDialogs, ColumnsClicksWriteAtOnceAndOkKeepsTheGame) {
  CColumnChoice dlg;
  const int result = RunModal(dlg, [](QDialog& window) {
    EXPECT_EQ(CheckedColumns(window), std::vector<int>{IDC_THREE_COLUMNS});
    Click(window, IDC_TWO_COLUMNS);
    EXPECT_EQ(g_nColumnsToWin, 2);
    EXPECT_EQ(CheckedColumns(window), std::vector<int>{IDC_TWO_COLUMNS});
    Click(window, IDC_FOUR_COLUMNS);
    EXPECT_EQ(g_nColumnsToWin, 4);
    EXPECT_EQ(CheckedColumns(window), std::vector<int>{IDC_FOUR_COLUMNS});
    Click(window, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(g_nColumnsToWin, 4);
  EXPECT_FALSE(NewGameRan());
  EXPECT_EQ(g_nCurrentPlayer, 1);
}

// Keys typed at the focused control, and the columns to win after each.
TEST_F(OptionDialogs, ColumnsAreReachedAndChosenFromTheKeyboard) {
  CColumnChoice dlg;
  RunModal(dlg, [](QDialog& window) {
    const struct {
      Qt::Key key;
      int focused;
      int columns;
    } kSteps[] = {
        {Qt::Key_Tab, IDCANCEL, 3},          {Qt::Key_Tab, IDC_TWO_COLUMNS, 3},
        {Qt::Key_Space, IDC_TWO_COLUMNS, 2}, {Qt::Key_Down, IDC_THREE_COLUMNS, 3},
        {Qt::Key_Down, IDC_FOUR_COLUMNS, 4}, {Qt::Key_Down, IDC_TWO_COLUMNS, 2},
        {Qt::Key_Up, IDC_FOUR_COLUMNS, 4},   {Qt::Key_Tab, IDOK, 4},
    };
    for (const auto& step : kSteps) {
      QTest::keyClick(window.focusWidget(), step.key);
      EXPECT_EQ(window.focusWidget(), Control(window, step.focused)) << step.focused;
      EXPECT_EQ(g_nColumnsToWin, step.columns) << step.focused;
      EXPECT_EQ(CheckedColumns(window).size(), 1u);
    }
  });
  EXPECT_EQ(g_nColumnsToWin, 4);
}

TEST_F(OptionDialogs, ColumnsCancelPutsBackTheValueTheDialogOpenedWith) {
  const std::vector<std::vector<int>> clickSequences = {
      {IDC_TWO_COLUMNS},
      // However many clicks came before, not only the last one is undone.
      {IDC_TWO_COLUMNS, IDC_FOUR_COLUMNS},
      {IDC_FOUR_COLUMNS, IDC_TWO_COLUMNS, IDC_FOUR_COLUMNS},
  };
  for (const std::vector<int>& clicks : clickSequences) {
    for (auto cancel :
         {+[](QDialog& w) { Click(w, IDCANCEL); }, +[](QDialog& w) { PressKey(w, Qt::Key_Escape); },
          +[](QDialog& w) { w.close(); }}) {
      g_nColumnsToWin = 3;
      CColumnChoice dlg;
      const int result = RunModal(dlg, [&](QDialog& window) {
        for (int nID : clicks) {
          Click(window, nID);
        }
        cancel(window);
      });
      EXPECT_EQ(result, IDCANCEL);
      EXPECT_EQ(g_nColumnsToWin, 3) << "after " << clicks.size() << " clicks";
    }
  }
  EXPECT_FALSE(NewGameRan());
}

TEST_F(OptionDialogs, ColumnsValueOutsideTheChoicesChecksNothingAndSurvivesCancel) {
  g_nColumnsToWin = 5;
  CColumnChoice dlg;
  RunModal(dlg, [](QDialog& window) {
    EXPECT_TRUE(CheckedColumns(window).empty());
    Click(window, IDC_TWO_COLUMNS);
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(g_nColumnsToWin, 5);
}

TEST_F(OptionDialogs, NumberOfPlayersCancelPutsBackTheOpeningValueAndStartsNoGame) {
  for (const std::vector<int>& clicks : {std::vector<int>{IDC_FOUR_PLAYERS},
                                         std::vector<int>{IDC_FOUR_PLAYERS, IDC_THREE_PLAYERS}}) {
    CNumPlayers dlg;
    const int result = RunModal(dlg, [&](QDialog& window) {
      EXPECT_EQ(CheckedPlayers(window), std::vector<int>{IDC_TWO_PLAYERS});
      for (int nID : clicks) {
        Click(window, nID);
        EXPECT_EQ(CheckedPlayers(window), std::vector<int>{nID});
      }
      EXPECT_EQ(g_nPlayers, clicks.back() == IDC_FOUR_PLAYERS ? 4 : 3);
      PressKey(window, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(g_nPlayers, 2);
  }
  EXPECT_FALSE(NewGameRan());
}

TEST_F(OptionDialogs, NumberOfPlayersOkStartsANewGameChangedOrNot) {
  CNumPlayers unchanged;
  EXPECT_EQ(RunModal(unchanged, [](QDialog& window) { PressKey(window, Qt::Key_Return); }), IDOK);
  EXPECT_TRUE(NewGameRan());
  EXPECT_EQ(g_nCurrentPlayer, 0);
  EXPECT_EQ(g_nPlayers, 2);

  g_nProgress[1][7] = 4;
  CNumPlayers changed;
  RunModal(changed, [](QDialog& window) {
    Click(window, IDC_FOUR_PLAYERS);
    Click(window, IDOK);
  });
  EXPECT_TRUE(NewGameRan());
  EXPECT_EQ(g_nPlayers, 4);

  // Reopened, the dialog shows the number now in force.
  CNumPlayers reopened;
  RunModal(reopened, [](QDialog& window) {
    EXPECT_EQ(CheckedPlayers(window), std::vector<int>{IDC_FOUR_PLAYERS});
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(g_nPlayers, 4);
}

// The seat-kind dialog for a number of seats, with the radio ids of each seat.
struct SeatKindCase {
  int nSeats;
  std::function<std::unique_ptr<CDialog>()> make;
};

void PrintTo(const SeatKindCase& seatKinds, std::ostream* os) {
  *os << seatKinds.nSeats << " seats";
}

const int kHumanId[4] = {IDC_PLAYER1_HUMAN, IDC_PLAYER2_HUMAN, IDC_PLAYER3_HUMAN,
                         IDC_PLAYER4_HUMAN};
const int kComputerId[4] = {IDC_PLAYER1_COMPUTER, IDC_PLAYER2_COMPUTER, IDC_PLAYER3_COMPUTER,
                            IDC_PLAYER4_COMPUTER};

class SeatKindDialogs : public OptionDialogs, public testing::WithParamInterface<SeatKindCase> {};

TEST_P(SeatKindDialogs, ShowClicksAndCancelOnlyTheSeatsInPlay) {
  const int n = GetParam().nSeats;
  // Seat 2 holds a kind no dialog writes: anything but a person shows as the computer.
  const int opening[4] = {kHumanSeat, kComputerSeat, 0, kHumanSeat};
  std::copy(std::begin(opening), std::end(opening), g_nPlayerType);
  g_nPlayers = n;

  std::unique_ptr<CDialog> dlg = GetParam().make();
  const int result = RunModal(*dlg, [n, &opening](QDialog& window) {
    for (int s = 0; s < n; ++s) {
      const bool human = opening[s] == kHumanSeat;
      EXPECT_EQ(IsChecked(window, kHumanId[s]), human) << "seat " << s;
      EXPECT_EQ(IsChecked(window, kComputerId[s]), !human) << "seat " << s;
    }
    for (int s = 0; s < n; ++s) {
      const bool makeHuman = opening[s] != kHumanSeat;
      Click(window, makeHuman ? kHumanId[s] : kComputerId[s]);
      EXPECT_EQ(g_nPlayerType[s], makeHuman ? kHumanSeat : kComputerSeat) << "seat " << s;
      EXPECT_EQ(IsChecked(window, kHumanId[s]), makeHuman);
      EXPECT_EQ(IsChecked(window, kComputerId[s]), !makeHuman);
    }
    // A second click on the same radio changes nothing.
    Click(window, kHumanId[0]);
    Click(window, kHumanId[0]);
    EXPECT_TRUE(IsChecked(window, kHumanId[0]));
    EXPECT_FALSE(IsChecked(window, kComputerId[0]));
    EXPECT_EQ(g_nPlayerType[0], kHumanSeat);
    window.close();
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(std::equal(std::begin(opening), std::end(opening), g_nPlayerType));
  EXPECT_FALSE(NewGameRan());
}

TEST_P(SeatKindDialogs, OkKeepsTheKindsAndStartsANewGame) {
  const int n = GetParam().nSeats;
  g_nPlayers = n;
  const int opening[4] = {kHumanSeat, kHumanSeat, kHumanSeat, kComputerSeat};
  std::copy(std::begin(opening), std::end(opening), g_nPlayerType);
  std::unique_ptr<CDialog> dlg = GetParam().make();
  EXPECT_EQ(RunModal(*dlg, [](QDialog& window) { PressKey(window, Qt::Key_Return); }), IDOK);
  EXPECT_TRUE(NewGameRan());
  EXPECT_TRUE(std::equal(std::begin(opening), std::end(opening), g_nPlayerType));
}

// A screen reader's toggle or press on a radio does what a click does: the
// dialog's handler moves the check marks and writes the option.
TEST_P(SeatKindDialogs, ScreenReaderActionsOnARadioActAsClicks) {
  g_nPlayers = GetParam().nSeats;
  for (const QString& action :
       {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
    std::unique_ptr<CDialog> dlg = GetParam().make();
    RunModal(*dlg, [&action](QDialog& window) {
      for (const int nID : {kComputerId[1], kHumanId[1], kComputerId[1]}) {
        QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(Control(window, nID));
        ASSERT_TRUE(radio->actionInterface()->actionNames().contains(action));
        radio->actionInterface()->doAction(action);
        const bool computer = nID == kComputerId[1];
        EXPECT_EQ(g_nPlayerType[1], computer ? kComputerSeat : kHumanSeat);
        EXPECT_EQ(IsChecked(window, kComputerId[1]), computer) << action.toStdString();
        EXPECT_EQ(IsChecked(window, kHumanId[1]), !computer) << action.toStdString();
      }
      PressKey(window, Qt::Key_Escape);
    });
  }
}

INSTANTIATE_TEST_SUITE_P(
    TwoToFourSeats, SeatKindDialogs,
    testing::Values(SeatKindCase{2, [] { return std::make_unique<CTwoPlayersDlg>(); }},
                    SeatKindCase{3, [] { return std::make_unique<CThreePlayersDlg>(); }},
                    SeatKindCase{4, [] { return std::make_unique<CFourPlayersDlg>(); }}),
    [](const testing::TestParamInfo<SeatKindCase>& info) {
      return std::to_string(info.param.nSeats) + "Seats";
    });

TEST_F(OptionDialogs, ComputerSeatZeroPlaysItsTurnBeforeDoModalReturns) {
  int framesWithDialogUp = 0;
  int computerMovesShown = 0;  // frames showing seat 0's white pegs
  m_mainWindow.OnPresent([&] {
    if (QApplication::activeModalWidget() != nullptr) {
      ++framesWithDialogUp;
    }
    if (g_nCurrentPlayer == 0 && g_WhitePegs.Get(0, kGetCount) > 0) {
      ++computerMovesShown;
    }
  });
  CTwoPlayersDlg dlg;
  const int result = RunModal(dlg, [](QDialog& window) {
    Click(window, IDC_PLAYER1_COMPUTER);
    Click(window, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(framesWithDialogUp, 0) << "the dialog closes before the new game is painted";
  // The computer's turn is over and the person of seat 1 has thrown.
  EXPECT_EQ(g_nWinner, 0);
  EXPECT_EQ(g_nCurrentPlayer, 1);
  EXPECT_EQ(g_WhitePegs.Get(0, kGetCount), 0);
  EXPECT_TRUE(DiceFreshlyThrown());
  // The computer's moves were painted, not only the new game's throw.
  EXPECT_GT(computerMovesShown, 0);
}

}  // namespace
