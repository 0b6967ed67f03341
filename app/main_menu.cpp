#include "app/main_menu.h"

#include <Qt>
#include <QtGlobal>

#include "res/resource.h"

namespace {

constexpr UINT kSeparator = 0;
// The id of an item that opens a submenu: the submenu's items send the commands.
constexpr UINT kSubmenu = 0;

constexpr MenuItem kGameItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&New\tF2"), ID_FILE_NEW},
    {QT_TRANSLATE_NOOP("Menu", "&Hint\tH"), ID_GAME_HINT},
    {"", kSeparator},
    {QT_TRANSLATE_NOOP("Menu", "E&xit"), ID_APP_EXIT},
};

constexpr MenuItem kSpeedItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Slow"), ID_OPTIONS_SPEED_SLOW, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "&Normal"), ID_OPTIONS_SPEED_NORMAL, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "&Fast"), ID_OPTIONS_SPEED_FAST, {}, true},
};

constexpr MenuItem kStrengthItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Classic"), ID_OPTIONS_STRENGTH_CLASSIC, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "S&trong"), ID_OPTIONS_STRENGTH_STRONG, {}, true},
};

constexpr MenuItem kOptionsItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Number of Columns"), ID_OPTIONS_COLUMNS},
    {QT_TRANSLATE_NOOP("Menu", "&Players"), ID_OPTIONS_PLAYERS},
    {QT_TRANSLATE_NOOP("Menu", "Number of Players"), ID_OPTIONS_NUM_PLAYERS},
    {"", kSeparator},
    {QT_TRANSLATE_NOOP("Menu", "&Speed"), kSubmenu, kSpeedItems},
    {QT_TRANSLATE_NOOP("Menu", "Computer S&trength"), kSubmenu, kStrengthItems},
};

constexpr MenuItem kHelpItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Help Topics"), ID_HELP_FINDER},
    {"", kSeparator},
    {QT_TRANSLATE_NOOP("Menu", "&About Tumbleroad."), ID_APP_ABOUT},
};

constexpr MenuPopup kMainMenu[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Game"), kGameItems},
    {QT_TRANSLATE_NOOP("Menu", "&Options"), kOptionsItems},
    {QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpItems},
};

constexpr Accelerator kMainAccelerators[] = {
    {Qt::Key_F2, ID_FILE_NEW},
    {Qt::Key_H, ID_GAME_HINT},
};

}  // namespace

std::span<const MenuPopup> MainMenu() {
  return kMainMenu;
}

std::span<const Accelerator> MainAccelerators() {
  return kMainAccelerators;
}
