#include "support/board_pictures.h"

#include "board/bitmap_ids.h"
#include "board/sprites.h"
#include "platform/bitmap.h"

QImage Picture(UINT id) {
  CBitmap bitmap;
  bitmap.LoadBitmap(id);
  return bitmap.Image() != nullptr ? *bitmap.Image() : QImage();
}

QImage PictureRegion(UINT id, CPoint from, int width, int height) {
  return Picture(id).copy(from.x, from.y, width, height);
}

QImage PegSprite(int index) {
  return PictureRegion(IDB_PEGS, g_ptPegSprite[index], kHoleSize, kHoleSize);
}

QImage EmptyHoleSprite() {
  return PictureRegion(IDB_PEGS, kEmptyHoleSprite, kHoleSize, kHoleSize);
}

QImage DiePicture(bool black) {
  return PictureRegion(IDB_DICE, black ? kBlackDie : kWhiteDie, kDieWidth, kDieHeight);
}

QImage PipSlotSprite(bool black, bool pip) {
  const CPoint from = black ? (pip ? kBlackPip : kBlackNoPip) : (pip ? kWhitePip : kWhiteNoPip);
  return PictureRegion(IDB_PEGS, from, kPipSize, kPipSize);
}

QImage ButtonPicture(int pictureX) {
  return PictureRegion(IDB_BUTTONS, {pictureX, 0}, kButtonWidth, kButtonHeight);
}

QImage ButtonShown(const QImage& surface, CPoint place) {
  return surface.copy(place.x, place.y, kButtonWidth, kButtonHeight);
}

int DifferentPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) {
    return a.width() * a.height() + b.width() * b.height();
  }
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return count;
}
