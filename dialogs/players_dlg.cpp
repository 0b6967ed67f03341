#include "dialogs/players_dlg.h"

#include "game/game_state.h"
#include "res/resource.h"

namespace {

// Human is checked for a person's seat, Computer for any other kind.
void ShowSeatKind(const SeatRadios& radios, int nKind) {
  const bool human = nKind == kHumanSeat;
  radios.human.SetCheck(human ? BST_CHECKED : BST_UNCHECKED);
  radios.computer.SetCheck(human ? BST_UNCHECKED : BST_CHECKED);
}

// Opening: remembers the kinds of the seats shown and shows them.
void OpenSeatKinds(std::span<int> savedTypes, std::span<const SeatRadios> seats) {
  for (std::size_t s = 0; s < seats.size(); ++s) {
    savedTypes[s] = g_nPlayerType[s];
  }
  for (std::size_t s = 0; s < seats.size(); ++s) {
    ShowSeatKind(seats[s], g_nPlayerType[s]);
  }
}

// A click on Human or Computer: the seat takes that kind at once.
void ChooseSeatKind(const SeatRadios& radios, int nSeat, int nKind) {
  ShowSeatKind(radios, nKind);
  g_nPlayerType[nSeat] = nKind;
}

void RestoreSeatKinds(std::span<const int> savedTypes) {
  for (std::size_t s = 0; s < savedTypes.size(); ++s) {
    g_nPlayerType[s] = savedTypes[s];
  }
}

}  // namespace

// Two seats.

CTwoPlayersDlg::CTwoPlayersDlg() : CDialog(IDD_TWO_PLAYERS) {}

void CTwoPlayersDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PLAYER2_COMPUTER, m_btnPlayer2Computer);
  DDX_Control(pDX, IDC_PLAYER2_HUMAN, m_btnPlayer2Human);
  DDX_Control(pDX, IDC_PLAYER1_COMPUTER, m_btnPlayer1Computer);
  DDX_Control(pDX, IDC_PLAYER1_HUMAN, m_btnPlayer1Human);
}

std::span<const DialogCommand> CTwoPlayersDlg::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_PLAYER1_HUMAN, &CTwoPlayersDlg::OnPlayer1Human),
      OnClicked(IDC_PLAYER1_COMPUTER, &CTwoPlayersDlg::OnPlayer1Computer),
      OnClicked(IDC_PLAYER2_HUMAN, &CTwoPlayersDlg::OnPlayer2Human),
      OnClicked(IDC_PLAYER2_COMPUTER, &CTwoPlayersDlg::OnPlayer2Computer),
  };
  return kMap;
}

std::array<SeatRadios, 2> CTwoPlayersDlg::Seats() {
  return {{{m_btnPlayer1Human, m_btnPlayer1Computer}, {m_btnPlayer2Human, m_btnPlayer2Computer}}};
}

BOOL CTwoPlayersDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  OpenSeatKinds(m_nSavedType, Seats());
  return TRUE;
}

void CTwoPlayersDlg::OnPlayer1Human() {
  ChooseSeatKind(Seats()[0], 0, kHumanSeat);
}

void CTwoPlayersDlg::OnPlayer1Computer() {
  ChooseSeatKind(Seats()[0], 0, kComputerSeat);
}

void CTwoPlayersDlg::OnPlayer2Human() {
  ChooseSeatKind(Seats()[1], 1, kHumanSeat);
}

void CTwoPlayersDlg::OnPlayer2Computer() {
  ChooseSeatKind(Seats()[1], 1, kComputerSeat);
}

void CTwoPlayersDlg::OnOK() {
  CDialog::OnOK();
  NewGame();
}

void CTwoPlayersDlg::OnCancel() {
  RestoreSeatKinds(m_nSavedType);
  CDialog::OnCancel();
}

// Three seats.

CThreePlayersDlg::CThreePlayersDlg() : CDialog(IDD_THREE_PLAYERS) {}

void CThreePlayersDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PLAYER3_COMPUTER, m_btnPlayer3Computer);
  DDX_Control(pDX, IDC_PLAYER3_HUMAN, m_btnPlayer3Human);
  DDX_Control(pDX, IDC_PLAYER2_COMPUTER, m_btnPlayer2Computer);
  DDX_Control(pDX, IDC_PLAYER2_HUMAN, m_btnPlayer2Human);
  DDX_Control(pDX, IDC_PLAYER1_COMPUTER, m_btnPlayer1Computer);
  DDX_Control(pDX, IDC_PLAYER1_HUMAN, m_btnPlayer1Human);
}

std::span<const DialogCommand> CThreePlayersDlg::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_PLAYER1_HUMAN, &CThreePlayersDlg::OnPlayer1Human),
      OnClicked(IDC_PLAYER1_COMPUTER, &CThreePlayersDlg::OnPlayer1Computer),
      OnClicked(IDC_PLAYER2_HUMAN, &CThreePlayersDlg::OnPlayer2Human),
      OnClicked(IDC_PLAYER2_COMPUTER, &CThreePlayersDlg::OnPlayer2Computer),
      OnClicked(IDC_PLAYER3_HUMAN, &CThreePlayersDlg::OnPlayer3Human),
      OnClicked(IDC_PLAYER3_COMPUTER, &CThreePlayersDlg::OnPlayer3Computer),
  };
  return kMap;
}

std::array<SeatRadios, 3> CThreePlayersDlg::Seats() {
  return {{{m_btnPlayer1Human, m_btnPlayer1Computer},
           {m_btnPlayer2Human, m_btnPlayer2Computer},
           {m_btnPlayer3Human, m_btnPlayer3Computer}}};
}

BOOL CThreePlayersDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  OpenSeatKinds(m_nSavedType, Seats());
  return TRUE;
}

void CThreePlayersDlg::OnPlayer1Human() {
  ChooseSeatKind(Seats()[0], 0, kHumanSeat);
}

void CThreePlayersDlg::OnPlayer1Computer() {
  ChooseSeatKind(Seats()[0], 0, kComputerSeat);
}

void CThreePlayersDlg::OnPlayer2Human() {
  ChooseSeatKind(Seats()[1], 1, kHumanSeat);
}

void CThreePlayersDlg::OnPlayer2Computer() {
  ChooseSeatKind(Seats()[1], 1, kComputerSeat);
}

void CThreePlayersDlg::OnPlayer3Human() {
  ChooseSeatKind(Seats()[2], 2, kHumanSeat);
}

void CThreePlayersDlg::OnPlayer3Computer() {
  ChooseSeatKind(Seats()[2], 2, kComputerSeat);
}

void CThreePlayersDlg::OnOK() {
  CDialog::OnOK();
  NewGame();
}

void CThreePlayersDlg::OnCancel() {
  RestoreSeatKinds(m_nSavedType);
  CDialog::OnCancel();
}

// Four seats.

CFourPlayersDlg::CFourPlayersDlg() : CDialog(IDD_FOUR_PLAYERS) {}

void CFourPlayersDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PLAYER1_COMPUTER, m_btnPlayer1Computer);
  DDX_Control(pDX, IDC_PLAYER1_HUMAN, m_btnPlayer1Human);
  DDX_Control(pDX, IDC_PLAYER4_COMPUTER, m_btnPlayer4Computer);
  DDX_Control(pDX, IDC_PLAYER4_HUMAN, m_btnPlayer4Human);
  DDX_Control(pDX, IDC_PLAYER3_COMPUTER, m_btnPlayer3Computer);
  DDX_Control(pDX, IDC_PLAYER3_HUMAN, m_btnPlayer3Human);
  DDX_Control(pDX, IDC_PLAYER2_COMPUTER, m_btnPlayer2Computer);
  DDX_Control(pDX, IDC_PLAYER2_HUMAN, m_btnPlayer2Human);
}

std::span<const DialogCommand> CFourPlayersDlg::GetMessageMap() const {
  static const DialogCommand kMap[] = {
      OnClicked(IDC_PLAYER1_HUMAN, &CFourPlayersDlg::OnPlayer1Human),
      OnClicked(IDC_PLAYER1_COMPUTER, &CFourPlayersDlg::OnPlayer1Computer),
      OnClicked(IDC_PLAYER2_HUMAN, &CFourPlayersDlg::OnPlayer2Human),
      OnClicked(IDC_PLAYER2_COMPUTER, &CFourPlayersDlg::OnPlayer2Computer),
      OnClicked(IDC_PLAYER3_HUMAN, &CFourPlayersDlg::OnPlayer3Human),
      OnClicked(IDC_PLAYER3_COMPUTER, &CFourPlayersDlg::OnPlayer3Computer),
      OnClicked(IDC_PLAYER4_HUMAN, &CFourPlayersDlg::OnPlayer4Human),
      OnClicked(IDC_PLAYER4_COMPUTER, &CFourPlayersDlg::OnPlayer4Computer),
  };
  return kMap;
}

std::array<SeatRadios, 4> CFourPlayersDlg::Seats() {
  return {{{m_btnPlayer1Human, m_btnPlayer1Computer},
           {m_btnPlayer2Human, m_btnPlayer2Computer},
           {m_btnPlayer3Human, m_btnPlayer3Computer},
           {m_btnPlayer4Human, m_btnPlayer4Computer}}};
}

BOOL CFourPlayersDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  OpenSeatKinds(m_nSavedType, Seats());
  return TRUE;
}

void CFourPlayersDlg::OnPlayer1Human() {
  ChooseSeatKind(Seats()[0], 0, kHumanSeat);
}

void CFourPlayersDlg::OnPlayer1Computer() {
  ChooseSeatKind(Seats()[0], 0, kComputerSeat);
}

void CFourPlayersDlg::OnPlayer2Human() {
  ChooseSeatKind(Seats()[1], 1, kHumanSeat);
}

void CFourPlayersDlg::OnPlayer2Computer() {
  ChooseSeatKind(Seats()[1], 1, kComputerSeat);
}

void CFourPlayersDlg::OnPlayer3Human() {
  ChooseSeatKind(Seats()[2], 2, kHumanSeat);
}

void CFourPlayersDlg::OnPlayer3Computer() {
  ChooseSeatKind(Seats()[2], 2, kComputerSeat);
}

void CFourPlayersDlg::OnPlayer4Human() {
  ChooseSeatKind(Seats()[3], 3, kHumanSeat);
}

void CFourPlayersDlg::OnPlayer4Computer() {
  ChooseSeatKind(Seats()[3], 3, kComputerSeat);
}

void CFourPlayersDlg::OnOK() {
  CDialog::OnOK();
  NewGame();
}

void CFourPlayersDlg::OnCancel() {
  RestoreSeatKinds(m_nSavedType);
  CDialog::OnCancel();
}
