// Buttons of a dialog: CButton is the dialog code's handle on a button
// control (bound by DDX_Control), ManualRadioButton the radio button whose
// check mark only the dialog's code moves.
#pragma once

#include <QPointer>
#include <QRadioButton>

class QAbstractButton;

// Check states of SetCheck and GetCheck.
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

class CButton {
 public:
  // Checks (BST_CHECKED) or unchecks (BST_UNCHECKED) the button; does nothing
  // while no control is bound or after the dialog has closed.
  void SetCheck(int nCheck);
  // BST_CHECKED or BST_UNCHECKED; unchecked while no control is bound.
  int GetCheck() const;

  // Makes this the handle of a control of the open dialog.
  void Attach(QAbstractButton* pControl) { m_pControl = pControl; }

 private:
  QPointer<QAbstractButton> m_pControl;
};

// A radio button that keeps its check mark when clicked and only reports the
// click: the dialog's handler sets every check mark itself. It belongs to no
// exclusive group, so checking one never unchecks another by itself.
class ManualRadioButton : public QRadioButton {
 public:
  ManualRadioButton(const QString& text, QWidget* pParent);

 protected:
  void nextCheckState() override {}
  // The arrow keys belong to the dialog, which moves within the group.
  void keyPressEvent(QKeyEvent* event) override;
};
