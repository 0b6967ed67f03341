#include "artwork.h"
#include "board/sprites.h"
#include "glyphs.h"
#include "pieces.h"

Canvas PegStrip() {
  Canvas strip(175, 14, kRed);
  strip.FillRect(93, 0, 41, 14, kWhite);
  strip.FillRect(134, 0, 41, 14, kBlack);
  // Sources as the painter reads them: the pegs by seat and the white peg.
  const PegInks seat[4] = {
      {kBlue, kDarkBlue}, {kGreen, kDarkGreen}, {kCyan, kDarkCyan}, {kYellow, kDarkYellow}};
  for (int s = 0; s < 4; ++s) {
    DrawPeg(strip, g_ptPegSprite[s].x, g_ptPegSprite[s].y, seat[s]);
  }
  DrawPeg(strip, g_ptPegSprite[4].x, g_ptPegSprite[4].y, {kWhite, kLightGrey});
  DrawHole(strip, kEmptyHoleSprite.x, kEmptyHoleSprite.y);
  DrawPipSlot(strip, kWhitePip.x, kWhitePip.y, kWhite, kBlack, true);
  DrawPipSlot(strip, kWhiteNoPip.x, kWhiteNoPip.y, kWhite, kBlack, false);
  DrawPipSlot(strip, kBlackNoPip.x, kBlackNoPip.y, kBlack, kWhite, false);
  DrawPipSlot(strip, kBlackPip.x, kBlackPip.y, kBlack, kWhite, true);
  return strip;
}

Canvas DicePicture() {
  Canvas dice(144, 73, kOlive);
  DrawDieBody(dice, kWhiteDie.x, kWhiteDie.y, false);
  DrawDieBody(dice, kBlackDie.x, kBlackDie.y, true);
  return dice;
}

namespace {

// One button picture at x: a framed grey face with the word's letters stacked.
void DrawButton(Canvas& buttons, int x, std::string_view word, bool pressed) {
  const std::uint8_t light = pressed ? kBlack : kWhite;
  const std::uint8_t dark = pressed ? kWhite : kBlack;
  buttons.FillRect(x, 0, kButtonWidth, kButtonHeight, pressed ? kGrey : kLightGrey);
  buttons.FillRect(x, 0, kButtonWidth, 1, light);
  buttons.FillRect(x, 0, 1, kButtonHeight, light);
  buttons.FillRect(x, kButtonHeight - 1, kButtonWidth, 1, dark);
  buttons.FillRect(x + kButtonWidth - 1, 0, 1, kButtonHeight, dark);
  if (pressed) {
    buttons.FillRect(x + 1, 1, kButtonWidth - 2, 1, kDarkOlive);
    buttons.FillRect(x + 1, 1, 1, kButtonHeight - 2, kDarkOlive);
  } else {
    buttons.FillRect(x + 1, kButtonHeight - 2, kButtonWidth - 2, 1, kGrey);
    buttons.FillRect(x + kButtonWidth - 2, 1, 1, kButtonHeight - 2, kGrey);
  }
  const PixelFont& font = SmallFont();
  constexpr int kGap = 2;
  const int shift = pressed ? 1 : 0;
  int y = (kButtonHeight - (4 * font.height + 3 * kGap)) / 2 + shift;
  for (char letter : word) {
    const std::string_view one(&letter, 1);
    const int left = x + (kButtonWidth - TextWidth(font, one)) / 2 + shift;
    DrawText(buttons, font, one, left, y, pressed ? kWhite : kBlack);
    y += font.height + kGap;
  }
}

}  // namespace

Canvas ButtonPicture() {
  Canvas buttons(120, 53, kOlive);
  DrawButton(buttons, kStopPressedPicture, "STOP", true);
  DrawButton(buttons, kRollPressedPicture, "ROLL", true);
  DrawButton(buttons, kStopLivePicture, "STOP", false);
  DrawButton(buttons, kRollLivePicture, "ROLL", false);
  return buttons;
}

Canvas Banner(std::string_view words) {
  Canvas banner(158, 34, kOlive);
  const PixelFont& font = BannerFont();
  constexpr int kCapHeight = 17;
  const int x = (kBannerWidth - TextWidth(font, words)) / 2;
  const int y = (kBannerHeight - kCapHeight) / 2;
  DrawText(banner, font, words, x, y, kBlack);
  return banner;
}
