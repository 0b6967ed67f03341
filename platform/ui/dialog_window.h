// The window of an open CDialog: a QDialog holding the template's controls,
// which passes clicks, Esc, the close box and F1 on to the CDialog.
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "platform/ui/dialog_template.h"

class CDialog;

class DialogWindow : public QDialog {
 public:
  DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner);

  // The control with this id, or null; the first one when several share it.
  QWidget* Control(int nID) const;
  // Puts the focus on the first control in the Tab order.
  void FocusFirstTabStop();

  // Esc and the close box arrive here: the dialog's OnCancel decides.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* pEvent) override;

 private:
  QWidget* CreateControl(const DialogControlTemplate& control);

  CDialog& m_dialog;
  // Moves the focus to the next (or previous) radio button of the focused
  // one's group, and clicks it; false when the focus is on no radio button.
  bool MoveInRadioGroup(int step);

  std::vector<std::pair<int, QWidget*>> m_controls;
  // For each control, in template order: the first control of its group.
  std::vector<std::size_t> m_groupStart;
  QWidget* m_pFirstTabStop = nullptr;
};
