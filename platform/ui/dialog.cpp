#include "platform/ui/dialog.h"

#include <QAbstractButton>
#include <QPointer>
#include <QtDebug>
#include <optional>

#include "platform/standard_ids.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/dialog_window.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

// The top-level widget that shows a window: the window itself when it is a
// widget, else the widget its surface is shown on; null for a window with no
// display.
QWidget* WidgetOf(CWnd* pWnd) {
  if (pWnd == nullptr) {
    return nullptr;
  }
  QWidget* widget = dynamic_cast<QWidget*>(pWnd);
  if (widget == nullptr) {
    widget = dynamic_cast<QWidget*>(pWnd->Screen());
  }
  return widget != nullptr ? widget->window() : nullptr;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CButton& rControl) {
  auto* button = qobject_cast<QAbstractButton*>(pDX->m_pDlgWnd->Control(nIDC));
  if (button == nullptr) {
    qWarning("The dialog has no button with id %d.", nIDC);
  }
  rControl.Attach(button);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  const std::optional<DialogTemplate> dialogTemplate = LoadDialogTemplate(m_nIDTemplate);
  if (!dialogTemplate) {
    return -1;
  }
  QWidget* owner = WidgetOf(m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd());
  // Deleted here, or earlier along with its owner.
  QPointer<DialogWindow> window = new DialogWindow(*this, *dialogTemplate, owner);
  if (owner != nullptr) {
    // Only the owner waits for the dialog; other windows, such as the help
    // book opened from it, stay usable.
    window->setWindowModality(Qt::WindowModal);
  }
  m_pWindow = window;
  if (OnInitDialog() == TRUE) {
    window->FocusFirstTabStop();
  }
  const int result = window->exec();
  m_pWindow = nullptr;
  delete window;
  return result;
}

void CDialog::EndDialog(int nResult) {
  if (m_pWindow != nullptr) {
    m_pWindow->done(nResult);
  }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  if (m_pWindow == nullptr) {
    return FALSE;
  }
  CDataExchange dx(m_pWindow, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::OnControlClicked(int nID) {
  for (const DialogCommand& command : GetMessageMap()) {
    if (command.nID == nID) {
      (this->*command.pfnClicked)();
      return;
    }
  }
  if (nID == IDOK) {
    OnOK();
  } else if (nID == IDCANCEL) {
    OnCancel();
  }
}
