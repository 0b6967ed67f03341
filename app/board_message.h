// The short message over the middle of the board that says what just
// happened: a bust, a seat with no play, a claim, the end of the game. It is
// a layer above the board's picture, which stays as the painter drew it, and
// a screen reader hears the same words as the board's message part.
#pragma once

#include <QRect>
#include <QString>

#include "game/play_events.h"

// The words for an event; empty for a new game, which clears the message.
QString PlayEventWords(const PlayEvent& event);

// The board area the message covers, in board points: the middle of the
// board, clear of the dice and the buttons.
QRect BoardMessageArea();

// The message now shown; empty when there is none.
QString BoardMessageText();

// Shows the rules' events over the board of the main window for the rest of
// the run.
void InstallBoardMessages();

// Shows words of the program's own over the board, as briefly as the
// events' (a hint, say).
void ShowBoardMessage(const QString& words);

// The user did something: a message that is not the game's end goes.
void DismissBoardMessage();
