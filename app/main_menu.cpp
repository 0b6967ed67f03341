#include "app/main_menu.h"

#include <Qt>

#include "res/resource.h"

namespace {

constexpr UINT kSeparator = 0;
// The id of an item that opens a submenu: the submenu's items send the commands.
constexpr UINT kSubmenu = 0;

constexpr MenuItem kGameItems[] = {
    {"&New\tF2", ID_FILE_NEW},
    {"&Hint\tH", ID_GAME_HINT},
    {"", kSeparator},
    {"E&xit", ID_APP_EXIT},
};

constexpr MenuItem kSpeedItems[] = {
    {"&Slow", ID_OPTIONS_SPEED_SLOW, {}, true},
    {"&Normal", ID_OPTIONS_SPEED_NORMAL, {}, true},
    {"&Fast", ID_OPTIONS_SPEED_FAST, {}, true},
};

constexpr MenuItem kStrengthItems[] = {
    {"&Classic", ID_OPTIONS_STRENGTH_CLASSIC, {}, true},
    {"S&trong", ID_OPTIONS_STRENGTH_STRONG, {}, true},
};

constexpr MenuItem kOptionsItems[] = {
    {"&Number of Columns", ID_OPTIONS_COLUMNS},
    {"&Players", ID_OPTIONS_PLAYERS},
    {"Number of Players", ID_OPTIONS_NUM_PLAYERS},
    {"", kSeparator},
    {"&Speed", kSubmenu, kSpeedItems},
    {"Computer S&trength", kSubmenu, kStrengthItems},
};

constexpr MenuItem kHelpItems[] = {
    {"&Help Topics", ID_HELP_FINDER},
    {"", kSeparator},
    {"&About Tumbleroad.", ID_APP_ABOUT},
};

constexpr MenuPopup kMainMenu[] = {
    {"&Game", kGameItems},
    {"&Options", kOptionsItems},
    {"&Help", kHelpItems},
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
