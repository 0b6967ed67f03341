// The Select Players dialogs: for each seat in play, whether a person or the
// computer plays it. One dialog per number of seats, two to four. A click
// sets the seat's kind at once; OK starts a new game, Cancel puts back the
// kinds the dialog opened with. Seats beyond those shown keep their kinds.
#pragma once

#include <array>

#include "platform/ui/button.h"
#include "platform/ui/dialog.h"

// The Human and Computer radio buttons of one seat.
struct SeatRadios {
  CButton& human;
  CButton& computer;
};

class CTwoPlayersDlg : public CDialog {
 public:
  CTwoPlayersDlg();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  void OnPlayer1Human();
  void OnPlayer1Computer();
  void OnPlayer2Human();
  void OnPlayer2Computer();
  std::array<SeatRadios, 2> Seats();

  int m_nSavedType[2] = {};
  CButton m_btnPlayer2Computer;
  CButton m_btnPlayer2Human;
  CButton m_btnPlayer1Computer;
  CButton m_btnPlayer1Human;
};

class CThreePlayersDlg : public CDialog {
 public:
  CThreePlayersDlg();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  void OnPlayer1Human();
  void OnPlayer1Computer();
  void OnPlayer2Human();
  void OnPlayer2Computer();
  void OnPlayer3Human();
  void OnPlayer3Computer();
  std::array<SeatRadios, 3> Seats();

  CButton m_btnPlayer3Computer;
  CButton m_btnPlayer3Human;
  CButton m_btnPlayer2Computer;
  CButton m_btnPlayer2Human;
  CButton m_btnPlayer1Computer;
  CButton m_btnPlayer1Human;
  int m_nSavedType[3] = {};
};

class CFourPlayersDlg : public CDialog {
 public:
  CFourPlayersDlg();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  std::span<const DialogCommand> GetMessageMap() const override;

 private:
  void OnPlayer1Human();
  void OnPlayer1Computer();
  void OnPlayer2Human();
  void OnPlayer2Computer();
  void OnPlayer3Human();
  void OnPlayer3Computer();
  void OnPlayer4Human();
  void OnPlayer4Computer();
  std::array<SeatRadios, 4> Seats();

  CButton m_btnPlayer1Computer;
  CButton m_btnPlayer1Human;
  CButton m_btnPlayer4Computer;
  CButton m_btnPlayer4Human;
  CButton m_btnPlayer3Computer;
  CButton m_btnPlayer3Human;
  CButton m_btnPlayer2Computer;
  CButton m_btnPlayer2Human;
  int m_nSavedType[4] = {};
};
