// Modal dialogs built from templates. A dialog class derives from CDialog,
// names its template, binds the controls it needs to CButton objects in
// DoDataExchange, and lists its click handlers in its message map:
//
//   std::span<const DialogCommand> CMyDlg::GetMessageMap() const {
//     static const DialogCommand kMap[] = {OnClicked(1000, &CMyDlg::OnChoice)};
//     return kMap;
//   }
//
// A click on a control goes to the message map's handler for its id; clicks on
// OK (IDOK) and Cancel (IDCANCEL) without an entry of their own go to OnOK and
// OnCancel. Enter presses the default button, Esc and the close box cancel,
// and F1 asks the main window for help while the dialog stays open.
#pragma once

#include <span>

#include "platform/types.h"

class CButton;
class CDialog;
class CWnd;
class DialogWindow;

// One entry of a message map: a control id and the handler of its clicks.
struct DialogCommand {
  int nID;
  void (CDialog::*pfnClicked)();
};

template <class Dialog>
DialogCommand OnClicked(int nID, void (Dialog::*pfnClicked)()) {
  return {nID, static_cast<void (CDialog::*)()>(pfnClicked)};
}

// What DoDataExchange is given: the open dialog whose controls it binds.
class CDataExchange {
 public:
  CDataExchange(DialogWindow* pDlgWnd, BOOL bSaveAndValidate)
      : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

  DialogWindow* const m_pDlgWnd;
  const BOOL m_bSaveAndValidate;
};

// Binds the button with id nIDC of the open dialog to rControl.
void DDX_Control(CDataExchange* pDX, int nIDC, CButton& rControl);

class CDialog {
 public:
  // pParentWnd is the owner; with none, the application's main window owns the dialog.
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog and returns when it ends: the value given to EndDialog
  // (IDOK, IDCANCEL), or -1 when the dialog cannot be built. The owner takes
  // no input meanwhile.
  int DoModal();

  // Ends the dialog: DoModal returns nResult once the present handler is done.
  void EndDialog(int nResult);

  // Runs DoDataExchange on the open dialog's controls.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

 protected:
  // Called once the controls exist, before the dialog shows. The default binds
  // the controls (UpdateData(FALSE)); TRUE puts the focus on the first control
  // in the Tab order.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual std::span<const DialogCommand> GetMessageMap() const { return {}; }
  // OK and Cancel; the defaults end the dialog with IDOK and IDCANCEL.
  virtual void OnOK();
  virtual void OnCancel();

 private:
  friend class DialogWindow;
  void OnControlClicked(int nID);

  const UINT m_nIDTemplate;
  CWnd* const m_pParentWnd;
  DialogWindow* m_pWindow = nullptr;
};
