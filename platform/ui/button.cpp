#include "platform/ui/button.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "platform/ui/radio_accessible.h"

void CButton::SetCheck(int nCheck) {
  if (m_pControl) {
    m_pControl->setChecked(nCheck == BST_CHECKED);
  }
}

int CButton::GetCheck() const {
  return m_pControl && m_pControl->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

ManualRadioButton::ManualRadioButton(const QString& text, QWidget* pParent)
    : QRadioButton(text, pParent) {
  setAutoExclusive(false);
  // Qt's own factory would answer for any QRadioButton; an interface known
  // before anyone asks is the one a screen reader gets.
  QAccessible::registerAccessibleInterface(new RadioAccessible(this));
}

void ManualRadioButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      event->ignore();
      return;
    default:
      QRadioButton::keyPressEvent(event);
  }
}
