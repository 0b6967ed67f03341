// The status line under the board: who is to play and what they may do, or
// what just happened (a bust, a seat with no play, a stop and its claims, the
// end of the game, a hint). The board's picture stays as the painter drew
// it; a screen reader hears the messages as the board's message part.
#pragma once

#include <QRect>
#include <QString>

#include "game/play_events.h"

class CFrameWnd;

// The status line's height in board pixels at one scale: two lines of text.
inline constexpr int kStatusLineRows = 36;

// How long a message stays, unless input or the next message comes first:
// long enough to read a stop's summary; the prompt comes back after it.
inline constexpr int kStatusMessageMs = 4000;

// The words for an event; empty for a new game, which clears the message.
QString PlayEventWords(const PlayEvent& event);

// Who is to play and what they may do: "Player 1: choose two dice",
// "Player 1: roll or stop"; empty once the game is over.
QString TurnPromptWords();

// Where the status line lies, in board points: under the board.
QRect StatusLineArea();

// The message now shown; empty when there is none.
QString StatusMessageText();
// What the status line shows: the message, else the turn's prompt.
QString StatusLineText();

// Hears the rules' events for the rest of the run.
void InstallStatusLine();
// Puts the status line under the frame's board.
void AttachStatusLine(CFrameWnd& frame);
// Shows the prompt for the board as it is now.
void RefreshStatusLine();

// Shows words of the program's own (a hint, say) for as long as an event's.
void ShowStatusMessage(const QString& words);

// The user did something: a message that is not the game's end goes.
void DismissStatusMessage();
