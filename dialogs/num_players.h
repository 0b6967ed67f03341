// The Select Number of Players dialog: two, three or four seats. A click sets
// the number at once; OK starts a new game with it, Cancel puts back the
// number the dialog opened with.
#pragma once

#include "platform/ui/button.h"
#include "platform/ui/dialog.h"

class CNumPlayers : public CDialog {
 public:
  CNumPlayers();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  void OnTwoPlayers();
  void OnThreePlayers();
  void OnFourPlayers();
  // Checks the radio of this many seats (2 … 4) and unchecks the others.
  void ShowPlayers(int nPlayers);

  CButton m_btnTwoPlayers;
  CButton m_btnThreePlayers;
  CButton m_btnFourPlayers;
  int m_nSavedPlayers = 0;
};
