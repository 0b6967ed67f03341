#include "platform/ui/button.h"

#include <QAbstractButton>
#include <QKeyEvent>

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
