// The strong computer's advice for the person to move: the pair it would
// play next, or, once a pair of the throw is played and it would play no
// more, whether it would roll again or stop and the chance that the next
// throw busts. Reading the advice changes nothing.
#pragma once

struct Hint {
  enum class Kind { kNone, kPair, kRoll, kStop };
  Kind kind = Kind::kNone;
  int die[2] = {};        // kPair: the dice of the pair, by index
  double bustChance = 0;  // kRoll and kStop: the chance that the next throw busts
};

// None while the game is over or a computer is to move.
Hint HintForSeatToMove();

// Marks the dice of a pair hint as the selection, as the person's own
// presses would, and repaints; any other hint leaves the dice as they are.
void MarkHintedPair(const Hint& hint);
