#include "dialogs/num_players.h"

#include "game/game_state.h"
#include "res/resource.h"

CNumPlayers::CNumPlayers() : CDialog(IDD_NUM_PLAYERS) {}

void CNumPlayers::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TWO_PLAYERS, m_btnTwoPlayers);
  DDX_Control(pDX, IDC_THREE_PLAYERS, m_btnThreePlayers);
  DDX_Control(pDX, IDC_FOUR_PLAYERS, m_btnFourPlayers);
}

std::span<const DialogCommand> CNumPlayers::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_TWO_PLAYERS, &CNumPlayers::OnTwoPlayers),
      OnClicked(IDC_THREE_PLAYERS, &CNumPlayers::OnThreePlayers),
      OnClicked(IDC_FOUR_PLAYERS, &CNumPlayers::OnFourPlayers),
  };
  return kMap;
}

BOOL CNumPlayers::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowPlayers(g_nPlayers);
  m_nSavedPlayers = g_nPlayers;
  return TRUE;
}

void CNumPlayers::ShowPlayers(int nPlayers) {
  m_btnTwoPlayers.SetCheck(nPlayers == 2 ? BST_CHECKED : BST_UNCHECKED);
  m_btnThreePlayers.SetCheck(nPlayers == 3 ? BST_CHECKED : BST_UNCHECKED);
  m_btnFourPlayers.SetCheck(nPlayers == 4 ? BST_CHECKED : BST_UNCHECKED);
}

void CNumPlayers::OnTwoPlayers() {
  ShowPlayers(2);
  g_nPlayers = 2;
}

void CNumPlayers::OnThreePlayers() {
  ShowPlayers(3);
  g_nPlayers = 3;
}

void CNumPlayers::OnFourPlayers() {
  ShowPlayers(4);
  g_nPlayers = 4;
}

// The new game runs before DoModal returns, computer turns included.
void CNumPlayers::OnOK() {
  CDialog::OnOK();
  NewGame();
}

void CNumPlayers::OnCancel() {
  g_nPlayers = m_nSavedPlayers;
  CDialog::OnCancel();
}
