#include "board/painter.h"

#include "board/bitmap_ids.h"
#include "board/layout.h"
#include "board/sprites.h"
#include "game/dice.h"
#include "game/game_state.h"
#include "game/white_pegs.h"
#include "platform/bitmap.h"
#include "platform/dc.h"

namespace {

// Which of the seven pip slots show a pip for each face value 1 … 6.
constexpr bool kFacePips[7][7] = {
    {},
    {false, false, false, true, false, false, false},
    {true, false, false, false, false, false, true},
    {false, false, true, true, true, false, false},
    {true, false, true, false, true, false, true},
    {true, false, true, true, true, false, true},
    {true, true, true, false, true, true, true},
};

bool SlotShowsPip(int slot, int value) {
  return value >= 1 && value <= 6 && kFacePips[value][slot];
}

UINT BannerId() {
  if (g_nWinner != 0) {
    return IDB_WINNER1 + static_cast<UINT>(g_nWinner - 1);
  }
  if (g_bNoWinner == 1) {
    return IDB_NOWINNER;
  }
  return IDB_PLAYER1 + static_cast<UINT>(g_nCurrentPlayer);
}

// One block copy of a sprite to a board point, shifted by the origin offset.
void Copy(CDC* pDC, int nOffset, CPoint to, int width, int height, CDC* pSource, CPoint from) {
  pDC->BitBlt(to.x + nOffset, to.y + nOffset, width, height, pSource, from.x, from.y, SRCCOPY);
}

}  // namespace

void PaintBoard(CDC* pDC, int nOffset) {
  // A peg painted into a hole during this call, by column, cell and quadrant.
  bool bDrawn[13][13][4] = {};

  CBitmap pegs;
  CBitmap board;
  pegs.LoadBitmap(IDB_PEGS);
  board.LoadBitmap(IDB_BOARD);

  CDC memDC;
  if (g_bBoardDrawn == 0) {
    memDC.CreateCompatibleDC(pDC);
    memDC.SelectObject(&board);
    Copy(pDC, nOffset, {0, 0}, kBoardSize, kBoardSize, &memDC, {0, 0});
    memDC.DeleteDC();
  }

  CBitmap banner;
  banner.LoadBitmap(BannerId());
  memDC.CreateCompatibleDC(pDC);
  memDC.SelectObject(&banner);
  Copy(pDC, nOffset, kBannerPlace, kBannerWidth, kBannerHeight, &memDC, {0, 0});
  memDC.DeleteDC();
  banner.DeleteObject();

  g_bBoardDrawn = 1;

  memDC.CreateCompatibleDC(pDC);
  memDC.SelectObject(&pegs);

  // Committed pegs. A claimed column shows its claimant in every hole.
  for (int c = 2; c <= 12; ++c) {
    if (const int claimant = Claimant(c); claimant >= 0) {
      for (int q = 0; q < 4; ++q) {
        for (int h = 0; h < g_nColumnHeight[c]; ++h) {
          Copy(pDC, nOffset, HolePoint(c, h, q), kHoleSize, kHoleSize, &memDC,
               g_ptPegSprite[claimant]);
          bDrawn[c][h][q] = true;
        }
      }
      continue;
    }
    for (int s = 0; s < g_nPlayers; ++s) {
      for (int h = 0; h < g_nProgress[s][c]; ++h) {
        if (bDrawn[c][h][s]) {
          continue;
        }
        Copy(pDC, nOffset, HolePoint(c, h, s), kHoleSize, kHoleSize, &memDC, g_ptPegSprite[s]);
        bDrawn[c][h][s] = true;
      }
    }
  }

  // White pegs of the turn, in the quadrant of the seat to move, over whatever is there.
  for (int i = 0; i < 3; ++i) {
    const int c = g_WhitePegs.Get(i, kGetColumn);
    if (c == 0) {
      break;
    }
    const int h = g_WhitePegs.Get(i, kGetHeight) - 1;
    Copy(pDC, nOffset, HolePoint(c, h, g_nCurrentPlayer), kHoleSize, kHoleSize, &memDC,
         g_ptPegSprite[4]);
    bDrawn[c][h][g_nCurrentPlayer] = true;
  }

  // Every other hole shows empty, which also removes pegs that have gone.
  for (int c = 0; c <= 12; ++c) {
    for (int h = 0; h <= 12; ++h) {
      for (int q = 0; q < 4; ++q) {
        if (!bDrawn[c][h][q] && g_ptCell[c][h].x != 0) {
          Copy(pDC, nOffset, HolePoint(c, h, q), kHoleSize, kHoleSize, &memDC, kEmptyHoleSprite);
        }
      }
    }
  }

  for (int d = 0; d < 4; ++d) {
    CDie& die = g_Dice[d];
    const bool black = die.m_bSelected == 1;
    CBitmap dice;
    dice.LoadBitmap(IDB_DICE);
    CDC dieDC;
    dieDC.CreateCompatibleDC(pDC);
    dieDC.SelectObject(&dice);
    if (die.m_bRedraw == 1) {
      Copy(pDC, nOffset, g_ptDie[d], kDieWidth, kDieHeight, &dieDC, black ? kBlackDie : kWhiteDie);
      die.m_bRedraw = 0;
    }
    for (int k = 0; k < 7; ++k) {
      const bool pip = SlotShowsPip(k, die.m_nValue);
      const CPoint source =
          black ? (pip ? kBlackPip : kBlackNoPip) : (pip ? kWhitePip : kWhiteNoPip);
      Copy(pDC, nOffset, g_ptPip[k][d], kPipSize, kPipSize, &memDC, source);
    }
    dieDC.DeleteDC();
    dice.DeleteObject();
  }

  // The buttons stand at their places in the target's own coordinates.
  CBitmap buttons;
  buttons.LoadBitmap(IDB_BUTTONS);
  memDC.SelectObject(&buttons);
  const bool live = ButtonsLive();
  pDC->BitBlt(kStopButtonPlace.x, kStopButtonPlace.y, kButtonWidth, kButtonHeight, &memDC,
              live ? kStopLivePicture : kBlankButtonPicture, 0, SRCCOPY);
  pDC->BitBlt(kRollButtonPlace.x, kRollButtonPlace.y, kButtonWidth, kButtonHeight, &memDC,
              live ? kRollLivePicture : kBlankButtonPicture, 0, SRCCOPY);

  memDC.DeleteDC();
  pegs.DeleteObject();
  board.DeleteObject();
  buttons.DeleteObject();
}

void PaintBoardAfresh(CDC* pDC) {
  g_bBoardDrawn = 0;
  for (CDie& die : g_Dice) {
    if (die.m_bSelected == 1) {
      die.m_bRedraw = 1;
    }
  }
  PaintBoard(pDC, 0);
}
