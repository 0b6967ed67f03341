#include "app/main_menu.h"

#include <Qt>
#include <QtGlobal>
#include <vector>

#include "app/options_table.h"
#include "res/resource.h"

namespace {

constexpr UINT kSeparator = 0;

constexpr MenuItem kGameItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&New\tF2"), ID_FILE_NEW},
    {QT_TRANSLATE_NOOP("Menu", "&Hint\tH"), ID_GAME_HINT},
    {"", kSeparator},
    {QT_TRANSLATE_NOOP("Menu", "E&xit"), ID_APP_EXIT},
};

constexpr MenuItem kHelpItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Help Topics"), ID_HELP_FINDER},
    {"", kSeparator},
    {QT_TRANSLATE_NOOP("Menu", "&About Tumbleroad."), ID_APP_ABOUT},
};

constexpr Accelerator kMainAccelerators[] = {
    {Qt::Key_F2, ID_FILE_NEW},
    {Qt::Key_H, ID_GAME_HINT},
};

}  // namespace

std::span<const MenuPopup> MainMenu() {
  // The Options menu is made from the options table.
  static const std::vector<MenuItem> kOptionsItems = OptionMenuItems(GameOptions());
  static const MenuPopup kMainMenu[] = {
      {QT_TRANSLATE_NOOP("Menu", "&Game"), kGameItems},
      {QT_TRANSLATE_NOOP("Menu", "&Options"), kOptionsItems},
      {QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpItems},
  };
  return kMainMenu;
}

std::span<const Accelerator> MainAccelerators() {
  return kMainAccelerators;
}
