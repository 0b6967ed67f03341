// Every dialog as its template lays it out: the window is checked against
// the template the program reads (controls in creation order with their ids,
// kinds and texts, the default button, the Tab order), against pixel places
// worked out by hand, against the texts a person reads in it, and for texts
// that fit their controls in the dialog font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/dialog_units.h"
#include "res/resource.h"
#include "support/displayless_main_window.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

// A control's id and the text it shows.
using Label = std::pair<int, std::string>;

struct DialogUnderTest {
  const char* name;
  UINT nTemplate;
  std::function<std::unique_ptr<CDialog>()> make;
  // What a person reads: the caption, and the id and text of every control
  // with a text.
  const char* caption;
  std::vector<Label> labels;
  // The window's size and each control's place, in creation order, in pixels
  // worked out by hand from the template: DejaVu Sans at 8 points averages
  // 7 × 13 pixels a character, so a unit is 7/4 of a pixel across and 13/8
  // down, rounded (About's OK at 178, 7, 32 × 14 units: 311.5, 11.375,
  // 56 × 22.75 pixels, so 312, 11, 56 × 23); the icon keeps its own 32 × 32.
  QSize size;
  std::vector<QRect> pixels;
};

// The seats of the Select Players dialogs: a group box, Human and Computer.
std::vector<Label> Seats(int count) {
  static const int kIds[4][2] = {{IDC_PLAYER1_HUMAN, IDC_PLAYER1_COMPUTER},
                                 {IDC_PLAYER2_HUMAN, IDC_PLAYER2_COMPUTER},
                                 {IDC_PLAYER3_HUMAN, IDC_PLAYER3_COMPUTER},
                                 {IDC_PLAYER4_HUMAN, IDC_PLAYER4_COMPUTER}};
  std::vector<Label> labels = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
  for (int seat = 0; seat < count; ++seat) {
    labels.emplace_back(IDC_STATIC, "Player " + std::to_string(seat + 1));
    labels.emplace_back(kIds[seat][0], "Human");
    labels.emplace_back(kIds[seat][1], "Computer");
  }
  return labels;
}

// The About box names the release that --version prints, by its major and
// minor numbers: "Tumbleroad V2.2" for 2.2.0.
std::string AboutTitle() {
  const QStringList numbers = VersionText().trimmed().section(' ', -1).split('.');
  return QStringLiteral("Tumbleroad V%1.%2").arg(numbers.value(0), numbers.value(1)).toStdString();
}

std::vector<DialogUnderTest> AllDialogs() {
  return {
      {"About",
       IDD_ABOUTBOX,
       [] { return std::make_unique<CAboutDlg>(); },
       "About Tumbleroad",
       {{IDC_STATIC, AboutTitle()}, {IDC_STATIC, "Licence: GPL-3.0-or-later"}, {IDOK, "OK"}},
       QSize(380, 89),
       {QRect(68, 23, 208, 13), QRect(68, 47, 208, 13), QRect(312, 11, 56, 23),
        QRect(12, 24, 32, 32)}},
      {"NumberOfColumns",
       IDD_COLUMNS,
       [] { return std::make_unique<CColumnChoice>(); },
       "Number of Columns",
       {{IDOK, "OK"},
        {IDCANCEL, "Cancel"},
        {IDC_TWO_COLUMNS, "Two Columns"},
        {IDC_THREE_COLUMNS, "Three Columns"},
        {IDC_FOUR_COLUMNS, "Four Columns"}},
       QSize(310, 128),
       {QRect(210, 11, 88, 23), QRect(210, 93, 88, 23), QRect(12, 11, 166, 16),
        QRect(12, 52, 179, 20), QRect(12, 96, 124, 20)}},
      {"NumberOfPlayers",
       IDD_NUM_PLAYERS,
       [] { return std::make_unique<CNumPlayers>(); },
       "Select Number of Players",
       {{IDOK, "OK"},
        {IDCANCEL, "Cancel"},
        {IDC_TWO_PLAYERS, "2 Players"},
        {IDC_THREE_PLAYERS, "3 Players"},
        {IDC_FOUR_PLAYERS, "4 Players"}},
       QSize(242, 124),
       {QRect(142, 11, 88, 23), QRect(142, 39, 88, 23), QRect(12, 11, 89, 18),
        QRect(12, 55, 81, 15), QRect(12, 99, 81, 13)}},
      {"TwoPlayers",
       IDD_TWO_PLAYERS,
       [] { return std::make_unique<CTwoPlayersDlg>(); },
       "Select Players",
       Seats(2),
       QSize(326, 154),
       {QRect(226, 11, 88, 23), QRect(226, 39, 88, 23), QRect(25, 33, 72, 20),
        QRect(12, 11, 203, 54), QRect(114, 31, 88, 24), QRect(28, 89, 72, 20),
        QRect(12, 70, 203, 54), QRect(112, 88, 88, 24)}},
      {"ThreePlayers",
       IDD_THREE_PLAYERS,
       [] { return std::make_unique<CThreePlayersDlg>(); },
       "Select Players",
       Seats(3),
       QSize(326, 206),
       {QRect(226, 11, 88, 23), QRect(226, 39, 88, 23), QRect(25, 33, 72, 20),
        QRect(12, 11, 203, 54), QRect(114, 31, 88, 24), QRect(28, 89, 72, 20),
        QRect(12, 70, 203, 54), QRect(112, 88, 88, 24), QRect(28, 148, 72, 20),
        QRect(12, 127, 203, 54), QRect(114, 145, 88, 24)}},
      {"FourPlayers",
       IDD_FOUR_PLAYERS,
       [] { return std::make_unique<CFourPlayersDlg>(); },
       "Select Players",
       Seats(4),
       QSize(326, 268),
       {QRect(226, 11, 88, 23), QRect(226, 39, 88, 23), QRect(25, 33, 72, 20),
        QRect(12, 11, 203, 54), QRect(114, 31, 88, 24), QRect(28, 89, 72, 20),
        QRect(12, 70, 203, 54), QRect(112, 88, 88, 24), QRect(26, 150, 72, 20),
        QRect(12, 130, 203, 54), QRect(110, 146, 88, 24), QRect(26, 213, 72, 20),
        QRect(12, 193, 203, 54), QRect(110, 210, 88, 24)}},
  };
}

void PrintTo(const DialogUnderTest& dialog, std::ostream* os) {
  *os << dialog.name;
}

bool HasKind(QWidget* widget, DialogControlKind kind) {
  auto* label = qobject_cast<QLabel*>(widget);
  switch (kind) {
    case DialogControlKind::kPushButton:
      return qobject_cast<QPushButton*>(widget) != nullptr;
    case DialogControlKind::kRadio:
      return dynamic_cast<ManualRadioButton*>(widget) != nullptr;
    case DialogControlKind::kStatic:
      return label != nullptr && label->pixmap().isNull();
    case DialogControlKind::kGroupBox:
      return qobject_cast<QGroupBox*>(widget) != nullptr;
    case DialogControlKind::kIcon:
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

class DialogLayout : public testing::TestWithParam<DialogUnderTest> {
 protected:
  void SetUp() override { ResetGameState(); }
  void TearDown() override { ResetGameState(); }
  DisplaylessMainWindow m_mainWindow;
};

TEST_P(DialogLayout, MatchesItsTemplate) {
  const std::optional<DialogTemplate> layout = LoadDialogTemplate(GetParam().nTemplate);
  ASSERT_TRUE(layout.has_value());
  std::unique_ptr<CDialog> dlg = GetParam().make();
  RunModal(*dlg, [&layout](QDialog& window) {
    const DialogUnderTest& dialog = GetParam();
    EXPECT_EQ(window.windowTitle(), layout->caption);
    EXPECT_EQ(QFontInfo(window.font()).family(), layout->fontFace);
    EXPECT_EQ(window.font().pointSize(), layout->nPointSize);
    EXPECT_EQ(window.size(), dialog.size);

    const std::vector<QWidget*> controls = ControlsInCreationOrder(window);
    ASSERT_EQ(controls.size(), layout->controls.size());
    ASSERT_EQ(controls.size(), dialog.pixels.size());
    std::vector<int> tabStops;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const DialogControlTemplate& want = layout->controls[i];
      QWidget* control = controls[i];
      SCOPED_TRACE(testing::Message() << "control " << i << " (" << want.text.toStdString() << ")");
      EXPECT_EQ(control->property("controlId").toInt(), want.nID);
      EXPECT_TRUE(HasKind(control, want.kind));
      EXPECT_EQ(control->geometry(), dialog.pixels[i]);
      if (want.kind != DialogControlKind::kIcon) {
        // The icon's text names the icon.
        EXPECT_EQ(TextOf(control), want.text);
      }
      if (auto* push = qobject_cast<QPushButton*>(control)) {
        EXPECT_EQ(push->isDefault(), (want.flags & kDefaultButton) != 0);
      }
      if ((want.flags & kTabStop) != 0) {
        tabStops.push_back(want.nID);
      }
    }
    ASSERT_FALSE(tabStops.empty());
    EXPECT_EQ(TabOrder(window), tabStops);
    EXPECT_EQ(window.focusWidget(), Control(window, tabStops.front()));
    window.close();
  });
}

TEST_P(DialogLayout, ShowsTheWordsOfTheGame) {
  const DialogUnderTest& dialog = GetParam();
  std::unique_ptr<CDialog> dlg = dialog.make();
  RunModal(*dlg, [&dialog](QDialog& window) {
    EXPECT_EQ(window.windowTitle().toStdString(), dialog.caption);
    std::vector<Label> shown;
    for (QWidget* control : ControlsInCreationOrder(window)) {
      if (!TextOf(control).isEmpty()) {
        shown.emplace_back(control->property("controlId").toInt(), TextOf(control).toStdString());
      }
    }
    std::vector<Label> wanted = dialog.labels;
    std::sort(shown.begin(), shown.end());
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(shown, wanted);
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
                         [](const testing::TestParamInfo<DialogUnderTest>& info) {
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
