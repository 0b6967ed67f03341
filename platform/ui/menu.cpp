#include "platform/ui/menu.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

QMenuBar* CreateMenuBar(std::span<const MenuPopup> menu, const CommandSink& sink, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const MenuPopup& popup : menu) {
    QMenu* items = bar->addMenu(QString::fromUtf8(popup.text));
    for (const MenuItem& item : popup.items) {
      if (item.nID == 0) {
        items->addSeparator();
        continue;
      }
      QAction* action = items->addAction(QString::fromUtf8(item.text));
      action->setData(item.nID);
      const UINT nID = item.nID;
      QObject::connect(action, &QAction::triggered, bar, [sink, nID] { sink(nID); });
    }
  }
  return bar;
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
