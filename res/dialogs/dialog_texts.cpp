// The dialog templates' captions and control texts, for the translators' tools:
// the templates are read at run time, and each text is translated as it is
// loaded (platform/ui/dialog_template.h). This file is not compiled.
#include <QtGlobal>

[[maybe_unused]] static const char* const kDialogTexts[] = {
    QT_TRANSLATE_NOOP("Dialog", "About Tumbleroad"),
    QT_TRANSLATE_NOOP("Dialog", "Licence: GPL-3.0-or-later"),
    QT_TRANSLATE_NOOP("Dialog", "OK"),
    QT_TRANSLATE_NOOP("Dialog", "Number of Columns"),
    QT_TRANSLATE_NOOP("Dialog", "Cancel"),
    QT_TRANSLATE_NOOP("Dialog", "Two Columns"),
    QT_TRANSLATE_NOOP("Dialog", "Three Columns"),
    QT_TRANSLATE_NOOP("Dialog", "Four Columns"),
    QT_TRANSLATE_NOOP("Dialog", "Select Number of Players"),
    QT_TRANSLATE_NOOP("Dialog", "2 Players"),
    QT_TRANSLATE_NOOP("Dialog", "3 Players"),
    QT_TRANSLATE_NOOP("Dialog", "4 Players"),
    QT_TRANSLATE_NOOP("Dialog", "Select Players"),
    QT_TRANSLATE_NOOP("Dialog", "Human"),
    QT_TRANSLATE_NOOP("Dialog", "Player 1"),
    QT_TRANSLATE_NOOP("Dialog", "Computer"),
    QT_TRANSLATE_NOOP("Dialog", "Player 2"),
    QT_TRANSLATE_NOOP("Dialog", "Player 3"),
    QT_TRANSLATE_NOOP("Dialog", "Player 4"),
};
