// The Select Players dialogs: for each seat in play, whether a person or the
// computer plays it. One dialog per number of seats, two to four, all of one
// shape. A click sets the seat's kind at once; OK starts a new game, Cancel
// puts back the kinds the dialog opened with. Seats beyond those shown keep
// their kinds.
#pragma once

#include "game/game_state.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog.h"

// The shape of the three dialogs: a Human and a Computer radio button for each
// of the first nSeats seats, and the handlers of their clicks.
class CPlayersDlg : public CDialog {
 protected:
  CPlayersDlg(UINT nIDTemplate, int nSeats);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  // The handlers of the seats shown, and no others.
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  static constexpr int kMaxSeats = 4;

  // The handlers of the message map, one a radio button.
  void OnPlayer1Human() { ChooseSeatKind(0, kHumanSeat); }
  void OnPlayer1Computer() { ChooseSeatKind(0, kComputerSeat); }
  void OnPlayer2Human() { ChooseSeatKind(1, kHumanSeat); }
  void OnPlayer2Computer() { ChooseSeatKind(1, kComputerSeat); }
  void OnPlayer3Human() { ChooseSeatKind(2, kHumanSeat); }
  void OnPlayer3Computer() { ChooseSeatKind(2, kComputerSeat); }
  void OnPlayer4Human() { ChooseSeatKind(3, kHumanSeat); }
  void OnPlayer4Computer() { ChooseSeatKind(3, kComputerSeat); }
  // Human is checked for a person's seat, Computer for any other kind.
  void ShowSeatKind(int nSeat, int nKind);
  // A click on Human or Computer: the seat takes that kind at once.
  void ChooseSeatKind(int nSeat, int nKind);

  const int m_nSeats;
  CButton m_btnHuman[kMaxSeats];
  CButton m_btnComputer[kMaxSeats];
  int m_nSavedType[kMaxSeats] = {};
};

class CTwoPlayersDlg : public CPlayersDlg {
 public:
  CTwoPlayersDlg();
};

class CThreePlayersDlg : public CPlayersDlg {
 public:
  CThreePlayersDlg();
};

class CFourPlayersDlg : public CPlayersDlg {
 public:
  CFourPlayersDlg();
};
