// Every dialog as its template lays it out: the controls in creation order
// with their ids, kinds, texts and pixel places, the default button, the Tab
// order, and texts that fit their controls in the dialog font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog_units.h"
#include "res/resource.h"
#include "support/displayless_main_window.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

enum class Kind { kPush, kRadio, kText, kGroup, kIcon };

struct ExpectedControl {
  int nID;
  Kind kind;
  const char* text;
  QRect units;
  bool bTabStop;
};

struct ExpectedDialog {
  const char* name;
  std::function<std::unique_ptr<CDialog>()> make;
  const char* caption;
  QSize units;
  std::vector<ExpectedControl> controls;
};

ExpectedControl Ok(int x) {
  return {IDOK, Kind::kPush, "OK", QRect(x, 7, 50, 14), true};
}
ExpectedControl Cancel(int x, int y) {
  return {IDCANCEL, Kind::kPush, "Cancel", QRect(x, y, 50, 14), true};
}
ExpectedControl Radio(int nID, const char* text, QRect units, bool bTabStop = true) {
  return {nID, Kind::kRadio, text, units, bTabStop};
}
ExpectedControl Group(const char* text, QRect units) {
  return {IDC_STATIC, Kind::kGroup, text, units, false};
}

// The seats of the Select Players dialogs: group box, Human, Computer.
std::vector<ExpectedControl> Seats(const std::vector<std::array<QRect, 3>>& places) {
  static const int kIds[4][2] = {{1006, 1007}, {1010, 1011}, {1012, 1013}, {1014, 1015}};
  static const char* const kNames[4] = {"Player 1", "Player 2", "Player 3", "Player 4"};
  std::vector<ExpectedControl> controls = {Ok(129), Cancel(129, 24)};
  for (std::size_t s = 0; s < places.size(); ++s) {
    controls.push_back(Radio(kIds[s][0], "Human", places[s][1]));
    controls.push_back(Group(kNames[s], places[s][0]));
    controls.push_back(Radio(kIds[s][1], "Computer", places[s][2]));
  }
  return controls;
}

const std::array<QRect, 3> kSeat1 = {QRect(7, 7, 116, 33), QRect(14, 20, 41, 12),
                                     QRect(65, 19, 50, 15)};
const std::array<QRect, 3> kSeat2 = {QRect(7, 43, 116, 33), QRect(16, 55, 41, 12),
                                     QRect(64, 54, 50, 15)};

// The About box names the release that --version prints, by its major and
// minor numbers: "Tumbleroad V2.2" for 2.2.0.
const char* AboutTitle() {
  static const std::string title = [] {
    const QStringList numbers = VersionText().trimmed().section(' ', -1).split('.');
    return QStringLiteral("Tumbleroad V%1.%2")
        .arg(numbers.value(0), numbers.value(1))
        .toStdString();
  }();
  return title.c_str();
}

std::vector<ExpectedDialog> AllDialogs() {
  return {
      {"About",
       [] { return std::make_unique<CAboutDlg>(); },
       "About Tumbleroad",
       QSize(217, 55),
       {{IDC_STATIC, Kind::kText, AboutTitle(), QRect(39, 14, 119, 8), false},
        {IDC_STATIC, Kind::kText, "A push-your-luck dice game", QRect(39, 29, 119, 8), false},
        {IDOK, Kind::kPush, "OK", QRect(178, 7, 32, 14), true},
        {IDC_STATIC, Kind::kIcon, "", QRect(7, 15, 0, 0), false}}},
      {"NumberOfColumns",
       [] { return std::make_unique<CColumnChoice>(); },
       "Number of Columns",
       QSize(177, 79),
       {Ok(120), Cancel(120, 57), Radio(1000, "Two Columns", QRect(7, 7, 95, 10), false),
        Radio(1001, "Three Columns", QRect(7, 32, 102, 12), false),
        Radio(1002, "Four Columns", QRect(7, 59, 71, 12), false)}},
      {"NumberOfPlayers",
       [] { return std::make_unique<CNumPlayers>(); },
       "Select Number of Players",
       QSize(138, 76),
       {Ok(81), Cancel(81, 24), Radio(1003, "2 Players", QRect(7, 7, 51, 11)),
        Radio(1004, "3 Players", QRect(7, 34, 46, 9)),
        Radio(1005, "4 Players", QRect(7, 61, 46, 8))}},
      {"TwoPlayers", [] { return std::make_unique<CTwoPlayersDlg>(); }, "Select Players",
       QSize(186, 95), Seats({kSeat1, kSeat2})},
      {"ThreePlayers", [] { return std::make_unique<CThreePlayersDlg>(); }, "Select Players",
       QSize(186, 127),
       Seats({kSeat1,
              kSeat2,
              {QRect(7, 78, 116, 33), QRect(16, 91, 41, 12), QRect(65, 89, 50, 15)}})},
      {"FourPlayers", [] { return std::make_unique<CFourPlayersDlg>(); }, "Select Players",
       QSize(186, 165),
       Seats({kSeat1,
              kSeat2,
              {QRect(7, 80, 116, 33), QRect(15, 92, 41, 12), QRect(63, 90, 50, 15)},
              {QRect(7, 119, 116, 33), QRect(15, 131, 41, 12), QRect(63, 129, 50, 15)}})},
  };
}

void PrintTo(const ExpectedDialog& dialog, std::ostream* os) {
  *os << dialog.name;
}

bool HasKind(QWidget* widget, Kind kind) {
  auto* label = qobject_cast<QLabel*>(widget);
  switch (kind) {
    case Kind::kPush:
      return qobject_cast<QPushButton*>(widget) != nullptr;
    case Kind::kRadio:
      return dynamic_cast<ManualRadioButton*>(widget) != nullptr;
    case Kind::kText:
      return label != nullptr && label->pixmap().isNull();
    case Kind::kGroup:
      return qobject_cast<QGroupBox*>(widget) != nullptr;
    case Kind::kIcon:
      return label != nullptr && label->text().isEmpty();
  }
  return false;
}

QString TextOf(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return button->text();
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->text();
  }
  if (auto* groupBox = qobject_cast<QGroupBox*>(widget)) {
    return groupBox->title();
  }
  return {};
}

std::vector<QWidget*> ControlsInCreationOrder(QDialog& window) {
  std::vector<QWidget*> controls;
  for (QObject* child : window.children()) {
    if (child->isWidgetType() && child->property("controlId").isValid()) {
      controls.push_back(static_cast<QWidget*>(child));
    }
  }
  return controls;
}

// The ids Tab visits, starting from the dialog, once round.
std::vector<int> TabOrder(QDialog& window) {
  std::vector<int> ids;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled()) {
      ids.push_back(w->property("controlId").toInt());
    }
  }
  return ids;
}

class DialogLayout : public testing::TestWithParam<ExpectedDialog> {
 protected:
  void SetUp() override { ResetGameState(); }
  void TearDown() override { ResetGameState(); }
  DisplaylessMainWindow m_mainWindow;
};

TEST_P(DialogLayout, MatchesItsTemplate) {
  const ExpectedDialog& expected = GetParam();
  std::unique_ptr<CDialog> dlg = expected.make();
  RunModal(*dlg, [&expected](QDialog& window) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(expected.caption));
    EXPECT_EQ(QFontInfo(window.font()).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(window.font().pointSize(), 8);
    const DialogBaseUnits base = GetDialogBaseUnits(window.font());
    EXPECT_EQ(window.size(), MapDialogRect(QRect(QPoint(), expected.units), base).size());

    const std::vector<QWidget*> controls = ControlsInCreationOrder(window);
    ASSERT_EQ(controls.size(), expected.controls.size());
    std::vector<int> tabStops;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const ExpectedControl& want = expected.controls[i];
      QWidget* control = controls[i];
      SCOPED_TRACE(testing::Message() << "control " << i << " (" << want.text << ")");
      EXPECT_EQ(control->property("controlId").toInt(), want.nID);
      EXPECT_TRUE(HasKind(control, want.kind));
      EXPECT_EQ(TextOf(control), QString::fromUtf8(want.text));
      if (want.kind == Kind::kIcon) {
        EXPECT_EQ(control->geometry(),
                  QRect(MapDialogRect(want.units, base).topLeft(), QSize(32, 32)));
      } else {
        EXPECT_EQ(control->geometry(), MapDialogRect(want.units, base));
      }
      if (auto* push = qobject_cast<QPushButton*>(control)) {
        EXPECT_EQ(push->isDefault(), want.nID == IDOK);
      }
      if (want.bTabStop) {
        tabStops.push_back(want.nID);
      }
    }
    EXPECT_EQ(TabOrder(window), tabStops);
    EXPECT_EQ(window.focusWidget(), Control(window, tabStops.front()));
    window.close();
  });
}

TEST_P(DialogLayout, TextsFitAndEveryButtonCanBeClicked) {
  std::unique_ptr<CDialog> dlg = GetParam().make();
  RunModal(*dlg, [](QDialog& window) {
    for (QWidget* control : ControlsInCreationOrder(window)) {
      const QString text = TextOf(control);
      SCOPED_TRACE(text.toStdString());
      const int lineHeight = control->fontMetrics().height();
      if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // A push button's style asks for a minimum width of its own; what
        // matters is its text, with some room either side.
        const int needed = qobject_cast<QPushButton*>(button) != nullptr
                               ? button->fontMetrics().horizontalAdvance(text) + 8
                               : button->sizeHint().width();
        EXPECT_LE(needed, button->width());
        EXPECT_LE(lineHeight, button->height());
        // Nothing drawn over a button, a group box included, takes its clicks.
        EXPECT_EQ(window.childAt(button->geometry().center()), button);
      } else if (auto* groupBox = qobject_cast<QGroupBox*>(control)) {
        EXPECT_LT(control->fontMetrics().horizontalAdvance(text) + 2 * lineHeight,
                  groupBox->width());
      } else if (!text.isEmpty()) {
        EXPECT_LE(control->fontMetrics().horizontalAdvance(text), control->width());
        EXPECT_LE(lineHeight, control->height());
      } else {
        EXPECT_FALSE(qobject_cast<QLabel*>(control)->pixmap().isNull()) << "icon 128 is missing";
      }
    }
    window.close();
  });
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogLayout, testing::ValuesIn(AllDialogs()),
                         [](const testing::TestParamInfo<ExpectedDialog>& info) {
                           return info.param.name;
                         });

TEST(DialogUnits, DejaVuSansAtEightPointsAndTheirRounding) {
  const DialogBaseUnits base = GetDialogBaseUnits(QFont(QStringLiteral("DejaVu Sans"), 8));
  EXPECT_EQ(base.cx, 7);
  EXPECT_EQ(base.cy, 13);
  // 7/4 and 13/8 of a unit: 87.5 and 22.75 round to 88 and 23, 11.375 to 11.
  EXPECT_EQ(MapDialogRect(QRect(120, 7, 50, 14), base), QRect(210, 11, 88, 23));
  EXPECT_EQ(MapDialogRect(QRect(-2, -4, 0, 1), base), QRect(-4, -7, 0, 2));
}

}  // namespace
