#include "app/options_table.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <memory>

namespace {

// A table as a later option would extend it: a whole number chosen in a
// submenu, acting at once during play, and a toggle that waits.
int g_nScale = 1;
int g_nToggle = 0;

constexpr MenuItem kScaleItems[] = {
    {"&1", 901, {}, true}, {"&2", 902, {}, true}, {"&3", 903, {}, true}};

const OptionEntry kTable[] = {
    {{"S&cale", 0, kScaleItems},
     false,
     OptionText::kNumber,
     1,
     3,
     1,
     {},
     false,
     nullptr,
     nullptr,
     "scale",
     [] { return g_nScale; },
     [](int n) { g_nScale = n; }},
    {{"&Toggle", 910, {}, false, true},
     true,
     OptionText::kNumber,
     0,
     1,
     0,
     {},
     true,
     nullptr,
     nullptr,
     nullptr,
     [] { return g_nToggle; },
     [](int n) { g_nToggle = n; }},
};

TEST(OptionsTable, ANewEntryIsAMenuItemCheckedAndYieldingAsDeclared) {
  const std::vector<MenuItem> items = OptionMenuItems(kTable);
  const MenuPopup popup[] = {{"&Options", items}};
  const CommandSink sink = [](UINT nID) {
    const std::optional<OptionCommand> command = FindOptionCommand(kTable, nID);
    ASSERT_TRUE(command.has_value()) << nID;
    command->option->set(command->nValue);
  };
  const std::unique_ptr<QMenuBar> bar(CreateMenuBar(
      popup, sink, [](UINT nID) { return IsOptionChecked(kTable, nID); }, nullptr));
  const QList<QAction*> shown = bar->actions().front()->menu()->actions();
  ASSERT_EQ(shown.size(), 3);  // the submenu, the toggle's separator, the toggle
  QMenu* scale = shown[0]->menu();
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(shown[0]->text(), QStringLiteral("S&cale"));
  EXPECT_TRUE(shown[1]->isSeparator());
  EXPECT_EQ(shown[2]->data().toUInt(), 910u);
  ASSERT_EQ(scale->actions().size(), 3);

  g_nScale = 2;
  emit scale->aboutToShow();
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(scale->actions()[i]->isCheckable());
    EXPECT_EQ(scale->actions()[i]->isChecked(), i == 1) << i;
  }
  scale->actions()[2]->trigger();
  EXPECT_EQ(g_nScale, 3);

  EXPECT_TRUE(shown[2]->isCheckable());
  shown[2]->trigger();
  EXPECT_EQ(g_nToggle, 1);
  emit bar->actions().front()->menu()->aboutToShow();
  EXPECT_TRUE(shown[2]->isChecked());
  shown[2]->trigger();
  EXPECT_EQ(g_nToggle, 0);
  EXPECT_FALSE(IsOptionChecked(kTable, 910));

  EXPECT_TRUE(OptionRunsDuringPlay(kTable, 902));
  EXPECT_FALSE(OptionRunsDuringPlay(kTable, 910));
  EXPECT_FALSE(OptionRunsDuringPlay(kTable, 999));
}

TEST(OptionsTable, TheGamesOptionsAreWholeAndOnlyTheSpeedActsDuringPlay) {
  QSet<QString> keys;
  for (const OptionEntry& option : GameOptions()) {
    const QString name = QString::fromUtf8(option.menu.text);
    EXPECT_GE(option.nDefault, option.nMinimum) << name.toStdString();
    EXPECT_LE(option.nDefault, option.nMaximum) << name.toStdString();
    // The value in force at start is the default: a run with no options is as it always was.
    EXPECT_EQ(option.get(), option.nDefault) << name.toStdString();
    if (!option.menu.submenu.empty()) {
      EXPECT_EQ(static_cast<int>(option.menu.submenu.size()),
                option.nMaximum - option.nMinimum + 1);
    }
    for (int value = option.nMinimum; value <= option.nMaximum; ++value) {
      EXPECT_EQ(ParseOptionValue(option, OptionValueText(option, value)), value) << value;
    }
    if (option.storedKey != nullptr) {
      EXPECT_FALSE(keys.contains(QString::fromLatin1(option.storedKey)));
      keys.insert(QString::fromLatin1(option.storedKey));
    }
    for (const MenuItem& item : option.menu.submenu) {
      EXPECT_EQ(OptionRunsDuringPlay(GameOptions(), item.nID), !option.bWaitsForYield);
    }
  }
  EXPECT_EQ(keys, (QSet<QString>{"columns", "computer", "players", "speed", "strength"}));
}

}  // namespace
