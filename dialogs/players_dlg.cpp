#include "dialogs/players_dlg.h"

#include "game/game_state.h"
#include "res/resource.h"

namespace {

// The radio buttons of each seat, in seat order.
struct SeatRadioIds {
  int nHuman;
  int nComputer;
};
constexpr SeatRadioIds kSeatRadioIds[] = {
    {IDC_PLAYER1_HUMAN, IDC_PLAYER1_COMPUTER},
    {IDC_PLAYER2_HUMAN, IDC_PLAYER2_COMPUTER},
    {IDC_PLAYER3_HUMAN, IDC_PLAYER3_COMPUTER},
    {IDC_PLAYER4_HUMAN, IDC_PLAYER4_COMPUTER},
};

}  // namespace

CPlayersDlg::CPlayersDlg(UINT nIDTemplate, int nSeats) : CDialog(nIDTemplate), m_nSeats(nSeats) {}

void CPlayersDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (int s = 0; s < m_nSeats; ++s) {
    DDX_Control(pDX, kSeatRadioIds[s].nHuman, m_btnHuman[s]);
    DDX_Control(pDX, kSeatRadioIds[s].nComputer, m_btnComputer[s]);
  }
}

// Two entries a seat, seat by seat, so the seats shown are the front of the map.
std::span<const DialogCommand> CPlayersDlg::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_PLAYER1_HUMAN, &CPlayersDlg::OnPlayer1Human),
      OnClicked(IDC_PLAYER1_COMPUTER, &CPlayersDlg::OnPlayer1Computer),
      OnClicked(IDC_PLAYER2_HUMAN, &CPlayersDlg::OnPlayer2Human),
      OnClicked(IDC_PLAYER2_COMPUTER, &CPlayersDlg::OnPlayer2Computer),
      OnClicked(IDC_PLAYER3_HUMAN, &CPlayersDlg::OnPlayer3Human),
      OnClicked(IDC_PLAYER3_COMPUTER, &CPlayersDlg::OnPlayer3Computer),
      OnClicked(IDC_PLAYER4_HUMAN, &CPlayersDlg::OnPlayer4Human),
      OnClicked(IDC_PLAYER4_COMPUTER, &CPlayersDlg::OnPlayer4Computer),
  };
  return std::span<const DialogCommand>(kMap).first(2 * static_cast<std::size_t>(m_nSeats));
}

// Opening: remembers the kinds of the seats shown and shows them.
BOOL CPlayersDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int s = 0; s < m_nSeats; ++s) {
    m_nSavedType[s] = g_nPlayerType[s];
  }
  for (int s = 0; s < m_nSeats; ++s) {
    ShowSeatKind(s, g_nPlayerType[s]);
  }
  return TRUE;
}

void CPlayersDlg::ShowSeatKind(int nSeat, int nKind) {
  const bool human = nKind == kHumanSeat;
  m_btnHuman[nSeat].SetCheck(human ? BST_CHECKED : BST_UNCHECKED);
  m_btnComputer[nSeat].SetCheck(human ? BST_UNCHECKED : BST_CHECKED);
}

void CPlayersDlg::ChooseSeatKind(int nSeat, int nKind) {
  ShowSeatKind(nSeat, nKind);
  g_nPlayerType[nSeat] = nKind;
}

void CPlayersDlg::OnOK() {
  CDialog::OnOK();
  NewGame();
}

void CPlayersDlg::OnCancel() {
  for (int s = 0; s < m_nSeats; ++s) {
    g_nPlayerType[s] = m_nSavedType[s];
  }
  CDialog::OnCancel();
}

CTwoPlayersDlg::CTwoPlayersDlg() : CPlayersDlg(IDD_TWO_PLAYERS, 2) {}

CThreePlayersDlg::CThreePlayersDlg() : CPlayersDlg(IDD_THREE_PLAYERS, 3) {}

CFourPlayersDlg::CFourPlayersDlg() : CPlayersDlg(IDD_FOUR_PLAYERS, 4) {}
