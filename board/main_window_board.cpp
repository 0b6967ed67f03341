#include "board/main_window_board.h"

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "board/painter.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/frame_pause.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

struct ButtonCopy {
  int nPictureX;
  CPoint place;
};

CWnd* MainWindow() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pMainWnd : nullptr;
}

// One context for all copies, so they reach the screen together. The buttons
// go to their places as they stand, without the painter's offset.
void CopyButtonPictures(const ButtonCopy* copies, int count) {
  CWnd* mainWnd = MainWindow();
  if (mainWnd == nullptr) {
    return;
  }
  CDC* pDC = mainWnd->GetDC();
  CBitmap buttons;
  buttons.LoadBitmap(IDB_BUTTONS);
  CDC strip;
  strip.CreateCompatibleDC(pDC);
  CBitmap* previous = strip.SelectObject(&buttons);
  for (int i = 0; i < count; ++i) {
    pDC->BitBlt(copies[i].place.x, copies[i].place.y, kButtonWidth, kButtonHeight, &strip,
                copies[i].nPictureX, 0, SRCCOPY);
  }
  strip.SelectObject(previous);
  strip.DeleteDC();
  mainWnd->ReleaseDC(pDC);
}

}  // namespace

void CMainWindowBoard::Repaint() {
  CWnd* mainWnd = MainWindow();
  if (mainWnd == nullptr) {
    return;
  }
  CDC* pDC = mainWnd->GetDC();
  PaintBoard(pDC, 2);
  mainWnd->ReleaseDC(pDC);
}

void CMainWindowBoard::ShowButtonPressed(BoardButton button) {
  ButtonCopy copy{};
  if (button == BoardButton::kStop) {
    copy = {kStopPressedPicture, kStopButtonPlace};
  } else if (button == BoardButton::kRoll) {
    copy = {kRollPressedPicture, kRollButtonPlace};
  } else {
    return;
  }
  CopyButtonPictures(&copy, 1);
}

void CMainWindowBoard::ShowBothButtonsLive() {
  const ButtonCopy copies[2] = {{kStopLivePicture, kStopButtonPlace},
                                {kRollLivePicture, kRollButtonPlace}};
  CopyButtonPictures(copies, 2);
}

int CMainWindowBoard::DieAt(CPoint point) const {
  for (int die = 0; die < 4; ++die) {
    if (DieArea(die).Contains(point)) {
      return die;
    }
  }
  return -1;
}

BoardButton CMainWindowBoard::ButtonAt(CPoint point) const {
  if (kStopArea.Contains(point)) {
    return BoardButton::kStop;
  }
  return kRollArea.Contains(point) ? BoardButton::kRoll : BoardButton::kNone;
}

void CMainWindowBoard::Hold(std::chrono::milliseconds length, const std::function<bool()>& done) {
  HoldFrame(length, done);
}

void InstallMainWindowBoard() {
  static CMainWindowBoard board;
  SetBoardDisplay(&board);
}
