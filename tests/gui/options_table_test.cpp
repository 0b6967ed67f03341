#include "app/options_table.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "res/resource.h"

namespace {

// The table as a later option extends it: a whole number chosen in a submenu
// that acts at once during play, and a toggle that waits for the computer.
int g_nScale = 1;
int g_nToggle = 0;
// clang-format off
constexpr MenuItem kScaleItems[] = {{"&1", 901, {}, true}, {"&2", 902, {}, true}, {"&3", 903, {}, true}};
const OptionEntry kTable[] = {
    {.menu = {"S&cale", 0, kScaleItems}, .nMinimum = 1, .nMaximum = 3, .nDefault = 1,
     .bWaitsForYield = false, .storedKey = "scale", .get = [] { return g_nScale; },
     .set = [](int n) { g_nScale = n; }},
    {.menu = {.text = "&Toggle", .nID = 910, .bToggle = true}, .bSeparatorBefore = true,
     .nMaximum = 1, .get = [] { return g_nToggle; }, .set = [](int n) { g_nToggle = n; }},
};
// clang-format on

TEST(OptionsTable, ANewEntryIsAMenuItemCheckedAndYieldingAsDeclared) {
  const std::vector<MenuItem> items = OptionMenuItems(kTable);
  const MenuPopup popup[] = {{"&Options", items}};
  const std::unique_ptr<QMenuBar> bar(CreateMenuBar(
      popup,
      [](UINT nID) {
        FindOptionCommand(kTable, nID)->option->set(FindOptionCommand(kTable, nID)->nValue);
      },
      [](UINT nID) { return IsOptionChecked(kTable, nID); }, nullptr));
  QMenu* options = bar->actions().front()->menu();
  const QList<QAction*> shown = options->actions();
  ASSERT_EQ(shown.size(), 3);  // the submenu, the toggle's separator, the toggle
  ASSERT_NE(shown[0]->menu(), nullptr);
  EXPECT_TRUE(shown[1]->isSeparator());
  const QList<QAction*> scale = shown[0]->menu()->actions();
  ASSERT_EQ(scale.size(), 3);

  g_nScale = 2;
  emit shown[0]->menu()->aboutToShow();
  EXPECT_EQ(
      (std::vector<bool>{scale[0]->isChecked(), scale[1]->isChecked(), scale[2]->isChecked()}),
      (std::vector<bool>{false, true, false}));
  // A menu item's command comes once the event loop is back.
  scale[2]->trigger();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(g_nScale, 3);
  for (const int want : {1, 0}) {
    shown[2]->trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(g_nToggle, want);
    emit options->aboutToShow();
    EXPECT_EQ(shown[2]->isChecked(), want == 1);
  }
  EXPECT_TRUE(OptionRunsDuringPlay(kTable, 902));
  EXPECT_FALSE(OptionRunsDuringPlay(kTable, 910));
  // In the game's own table only the speed acts while the computer plays.
  for (const UINT nID : {ID_OPTIONS_SPEED_SLOW, ID_OPTIONS_STRENGTH_STRONG, ID_OPTIONS_REMEMBER}) {
    EXPECT_EQ(OptionRunsDuringPlay(GameOptions(), nID), nID == ID_OPTIONS_SPEED_SLOW) << nID;
  }
}

}  // namespace
