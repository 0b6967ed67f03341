// The Number of Columns dialog: how many columns a seat must claim to win.
// A click sets the value at once, for the game in progress; OK keeps it and
// Cancel puts back the value the dialog opened with.
#pragma once

#include "platform/ui/button.h"
#include "platform/ui/dialog.h"

class CColumnChoice : public CDialog {
 public:
  CColumnChoice();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  void OnTwoColumns();
  void OnThreeColumns();
  void OnFourColumns();
  // Checks the radio of this many columns (2 … 4) and unchecks the others.
  void ShowColumns(int nColumns);

  int m_nSavedColumns = 0;
  CButton m_btnFourColumns;
  CButton m_btnThreeColumns;
  CButton m_btnTwoColumns;
};
