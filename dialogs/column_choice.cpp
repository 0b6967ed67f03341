#include "dialogs/column_choice.h"

#include "game/game_state.h"
#include "res/resource.h"

CColumnChoice::CColumnChoice() : CDialog(IDD_COLUMNS) {}

void CColumnChoice::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FOUR_COLUMNS, m_btnFourColumns);
  DDX_Control(pDX, IDC_THREE_COLUMNS, m_btnThreeColumns);
  DDX_Control(pDX, IDC_TWO_COLUMNS, m_btnTwoColumns);
}

std::span<const DialogCommand> CColumnChoice::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_TWO_COLUMNS, &CColumnChoice::OnTwoColumns),
      OnClicked(IDC_THREE_COLUMNS, &CColumnChoice::OnThreeColumns),
      OnClicked(IDC_FOUR_COLUMNS, &CColumnChoice::OnFourColumns),
  };
  return kMap;
}

BOOL CColumnChoice::OnInitDialog() {
  CDialog::OnInitDialog();
  m_nSavedColumns = g_nColumnsToWin;
  ShowColumns(g_nColumnsToWin);
  return TRUE;
}

void CColumnChoice::ShowColumns(int nColumns) {
  m_btnTwoColumns.SetCheck(nColumns == 2 ? BST_CHECKED : BST_UNCHECKED);
  m_btnThreeColumns.SetCheck(nColumns == 3 ? BST_CHECKED : BST_UNCHECKED);
  m_btnFourColumns.SetCheck(nColumns == 4 ? BST_CHECKED : BST_UNCHECKED);
}

// The saved value stays the one the dialog opened with, however many clicks
// follow, so Cancel always leaves the columns to win as they were.
void CColumnChoice::OnTwoColumns() {
  ShowColumns(2);
  g_nColumnsToWin = 2;
}

void CColumnChoice::OnThreeColumns() {
  ShowColumns(3);
  g_nColumnsToWin = 3;
}

void CColumnChoice::OnFourColumns() {
  ShowColumns(4);
  g_nColumnsToWin = 4;
}

void CColumnChoice::OnCancel() {
  g_nColumnsToWin = m_nSavedColumns;
  CDialog::OnCancel();
}
