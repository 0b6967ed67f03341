// Tells assistive technologies, such as a screen reader, what changed among
// the parts a widget shows them (its accessible children) since they last
// looked: new names, and parts checked, unchecked, enabled or disabled.
// Looking only once a handler has returned announces where it left things,
// not the frames it drew on the way.
#pragma once

#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

class AccessibleChanges {
 public:
  explicit AccessibleChanges(QWidget* widget);

  // Announces the changes since the last look, and looks again. It looks
  // only while an assistive technology listens, and the first look after it
  // starts listening announces nothing.
  void Announce();

 private:
  struct Seen {
    QString name;
    bool checked;
    bool disabled;
  };

  QPointer<QWidget> m_pWidget;
  std::vector<Seen> m_seen;
};
