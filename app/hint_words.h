// Game > Hint: the strong computer's advice for the person to move, shown
// in the status line (and so spoken by a screen reader) and, for a pair, marked
// on the dice as the person's selection.
#pragma once

#include <QString>

#include "ai/hint.h"

// The words of a hint.
QString HintWords(const Hint& hint);

// Asks for the hint, marks its pair and shows its words.
void GiveHint();
