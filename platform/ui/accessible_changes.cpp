#include "platform/ui/accessible_changes.h"

#include <QAccessible>
#include <QWidget>

namespace {

void AnnounceState(QAccessibleInterface* part, bool checked, bool disabled) {
  QAccessible::State changed;
  changed.checked = checked;
  changed.disabled = disabled;
  QAccessibleStateChangeEvent event(part, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

AccessibleChanges::AccessibleChanges(QWidget* widget) : m_pWidget(widget) {}

void AccessibleChanges::Announce() {
  QAccessibleInterface* whole = m_pWidget != nullptr && QAccessible::isActive()
                                    ? QAccessible::queryAccessibleInterface(m_pWidget.data())
                                    : nullptr;
  if (whole == nullptr) {
    m_seen.clear();
    return;
  }
  std::vector<Seen> now;
  for (int i = 0; i < whole->childCount(); ++i) {
    QAccessibleInterface* part = whole->child(i);
    const QAccessible::State state = part->state();
    now.push_back({part->text(QAccessible::Name), state.checked != 0, state.disabled != 0});
  }
  if (now.size() == m_seen.size()) {
    for (std::size_t i = 0; i < now.size(); ++i) {
      QAccessibleInterface* part = whole->child(static_cast<int>(i));
      if (now[i].name != m_seen[i].name) {
        QAccessibleEvent event(part, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
      }
      // The bridge to the screen reader passes on one changed state per event.
      if (now[i].checked != m_seen[i].checked) {
        AnnounceState(part, true, false);
      }
      if (now[i].disabled != m_seen[i].disabled) {
        AnnounceState(part, false, true);
      }
    }
  }
  m_seen = std::move(now);
}
