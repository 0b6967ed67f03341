#include "platform/ui/menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate(kMenuContext, text);
}

void AddItems(QMenu* menu, std::span<const MenuItem> items, const CommandSink& sink,
              const CommandCheck& checked) {
  QActionGroup* choice = nullptr;
  for (const MenuItem& item : items) {
    if (!item.submenu.empty()) {
      AddItems(menu->addMenu(Translated(item.text)), item.submenu, sink, checked);
      continue;
    }
    if (item.nID == 0) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(Translated(item.text));
    action->setData(item.nID);
    const UINT nID = item.nID;
    if (item.bRadio || item.bToggle) {
      if (item.bRadio && choice == nullptr) {
        choice = new QActionGroup(menu);
      }
      action->setCheckable(true);
      if (item.bRadio) {
        action->setActionGroup(choice);
      }
      action->setChecked(checked && checked(nID));
      QObject::connect(menu, &QMenu::aboutToShow, action,
                       [action, checked, nID] { action->setChecked(checked && checked(nID)); });
    }
    // The command runs once whoever chose the item has been answered: the
    // menu has closed, and a screen reader's action returns at once rather
    // than waiting for a throw or a dialog.
    QObject::connect(
        action, &QAction::triggered, menu, [sink, nID] { sink(nID); }, Qt::QueuedConnection);
  }
}

}  // namespace

QMenuBar* CreateMenuBar(std::span<const MenuPopup> menu, const CommandSink& sink,
                        const CommandCheck& checked, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const MenuPopup& popup : menu) {
    AddItems(bar->addMenu(Translated(popup.text)), popup.items, sink, checked);
  }
  return bar;
}

void ReturnKeyboardAfterMenus(QMenuBar* bar, QWidget* owner) {
  for (QAction* action : bar->actions()) {
    if (QMenu* menu = action->menu()) {
      // Queued: Escape hands the keyboard to the bar only after the menu hid,
      // and the next menu along the bar opens after this one has hidden.
      QObject::connect(
          menu, &QMenu::aboutToHide, owner,
          [owner] {
            if (QApplication::activePopupWidget() == nullptr) {
              owner->setFocus(Qt::OtherFocusReason);
            }
          },
          Qt::QueuedConnection);
    }
  }
}

void InstallAccelerators(std::span<const Accelerator> table, const CommandSink& sink,
                         QWidget* window) {
  for (const Accelerator& accelerator : table) {
    auto* shortcut = new QShortcut(QKeySequence(accelerator.key), window);
    shortcut->setContext(Qt::WindowShortcut);
    const UINT nID = accelerator.nID;
    QObject::connect(shortcut, &QShortcut::activated, window, [sink, nID] { sink(nID); });
  }
}
