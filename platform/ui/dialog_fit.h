// Dialogs that fit their words: a template is laid out for its own texts, and
// a translated text may be wider than the control made for it.
#pragma once

#include <QString>
#include <vector>

class QWidget;

// The width a control needs to show this text on one line, unclipped, in its
// own font and style: a push button's text with room either side, a radio
// button's box and text, a group box's title clear of its corners, a label's
// text. 0 for a control that shows no text.
int TextWidthNeeded(const QWidget* control, const QString& text);

struct FittedControl {
  QWidget* widget;
  // The text the template's layout was made for.
  QString sourceText;
};

// Widens each control whose text needs more room than the template gave it
// (or its source text needed): a strip as wide as the want is put into the
// dialog at the control's right edge, so what lies right of it moves over,
// what spans the edge (a group box round it) grows, and the dialog with them.
// Texts that fit leave the layout exactly as it was.
void FitControlsToTexts(QWidget* dialog, const std::vector<FittedControl>& controls);

// The width a title bar needs to show `caption` whole: the text in the
// desktop's font, bold as window managers draw titles, and room for the
// window's icon and its buttons.
int CaptionWidthNeeded(const QString& caption);

// Widens a fixed-size dialog whose caption needs more room than it has; its
// controls move over to stay centred. A dialog wide enough stays as it is.
void FitDialogToCaption(QWidget* dialog);
