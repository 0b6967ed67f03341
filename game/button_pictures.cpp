#include "game/button_pictures.h"

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

struct ButtonCopy {
  int nPictureX;
  CPoint place;
};

// One context for all copies, so they reach the screen together.
void CopyButtonPictures(const ButtonCopy* copies, int count) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr || app->m_pMainWnd == nullptr) {
    return;
  }
  CWnd* mainWnd = app->m_pMainWnd;
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

void ShowButtonPicture(int nPictureX, CPoint place) {
  const ButtonCopy copy{nPictureX, place};
  CopyButtonPictures(&copy, 1);
}

void ShowBothButtonsLive() {
  const ButtonCopy copies[2] = {{kStopLivePicture, kStopButtonPlace},
                                {kRollLivePicture, kRollButtonPlace}};
  CopyButtonPictures(copies, 2);
}
