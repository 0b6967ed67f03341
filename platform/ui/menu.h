// Menu and accelerator resources, and the menu bar and keyboard shortcuts
// made from them. Every item and key sends its command id to one handler.
#pragma once

#include <functional>
#include <span>

#include "platform/types.h"

class QMenuBar;
class QWidget;

// The translation context of menu texts: a menu table marks its texts with
// QT_TRANSLATE_NOOP("Menu", ...), and the menu bar shows them translated.
inline constexpr char kMenuContext[] = "Menu";

// A menu item; an id of 0 makes a separator, unless the item opens a submenu
// of its own. A tab in the text puts what follows it (the key that runs the
// item) at the right of the menu. The radio items of one submenu are one
// choice: the one checked is the one the window says is in force. A toggle
// is checked or not on its own, as the window says.
struct MenuItem {
  const char* text;
  UINT nID;
  std::span<const MenuItem> submenu = {};
  bool bRadio = false;
  bool bToggle = false;
};

struct MenuPopup {
  const char* text;
  std::span<const MenuItem> items;
};

// A key pressed with no Shift, Ctrl or Alt (a Qt::Key) and the command it sends.
struct Accelerator {
  int key;
  UINT nID;
};

using CommandSink = std::function<void(UINT nID)>;
// Whether the choice a radio or toggle item stands for is the one in force.
using CommandCheck = std::function<bool(UINT nID)>;

// A menu bar with the popups in order; each action keeps its id as its data.
// The check marks are read afresh whenever their menu opens. An item sends
// its command once the event loop is back, never from inside the call that
// triggered it.
QMenuBar* CreateMenuBar(std::span<const MenuPopup> menu, const CommandSink& sink,
                        const CommandCheck& checked, QWidget* parent);

// Gives the keyboard back to `owner` whenever a menu of the bar closes and no
// other is open: a menu dismissed with Escape leaves the menu bar with the
// keyboard otherwise, unseen, and the next Enter would open it again.
void ReturnKeyboardAfterMenus(QMenuBar* bar, QWidget* owner);

// Keys that work while the window is active.
void InstallAccelerators(std::span<const Accelerator> table, const CommandSink& sink,
                         QWidget* window);
