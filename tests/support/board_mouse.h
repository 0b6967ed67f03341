// A person's left button on the board: presses, releases, double-clicks and
// moves at board points, handed to the turn controller as the board view does.
#pragma once

#include "game/turn_controller.h"
#include "platform/types.h"

// The middle of a die's place, of each button, and a point on the board that
// is on neither a die nor a button. The board's own display finds them where
// the board stand-in does.
constexpr CPoint kDiePoints[4] = {{36, 37}, {441, 38}, {37, 440}, {440, 440}};
constexpr CPoint DiePoint(int die) {
  return kDiePoints[die];
}
constexpr CPoint kStopPoint = {17, 238};
constexpr CPoint kRollPoint = {460, 238};
constexpr CPoint kBoardPoint = {240, 120};

class BoardMouse {
 public:
  void Press(CPoint point) { PressOnBoard(point); }
  void Release(CPoint /*point*/) { ReleaseOnBoard(); }
  void DoubleClickMessage(CPoint /*point*/) { PlaySelectedPair(); }
  void Move(CPoint point) { MoveOverBoard(point); }

  void Click(CPoint point) {
    Press(point);
    Release(point);
  }
  // A double-click arrives as press, release, double-click, release.
  void DoubleClick(CPoint point) {
    Click(point);
    DoubleClickMessage(point);
    Release(point);
  }
  // Picks the first die with a click and double-clicks the second.
  void PlayPair(int first, int second) {
    Click(DiePoint(first));
    DoubleClick(DiePoint(second));
  }
};
