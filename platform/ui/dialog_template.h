// Dialog templates: the layout of a dialog as data, one JSON file per
// template in the resources (":/dialogs/<id>.json"). Positions and sizes are
// in dialog units (see dialog_units.h).
//
//   {
//     "caption": "Number of Columns",
//     "size": [177, 79],
//     "font": {"face": "DejaVu Sans", "points": 8},
//     "style": ["caption", "sysmenu"],
//     "controls": [
//       {"id": 1, "kind": "button", "text": "OK", "rect": [120, 7, 50, 14],
//        "flags": ["default", "tabstop"]},
//       ...
//     ]
//   }
//
// Controls are listed in creation order, which is also the Tab order.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "platform/types.h"

enum class DialogControlKind {
  kPushButton,  // "button"
  kRadio,       // "radio": a manual radio button, checked only by the dialog's code
  kStatic,      // "static": a line of text
  kGroupBox,    // "groupbox": a titled frame drawn around other controls
  kIcon,        // "icon": the program's icon at its natural size; "rect" gives the place only
};

// Control flags, as bits. A template may also name "left" (text
// left-aligned) and "vcenter" (text vertically centred): they describe what
// every control here does anyway.
enum DialogControlFlag : unsigned {
  kDefaultButton = 1u << 0,  // "default": the button Enter presses
  kTabStop = 1u << 1,        // "tabstop": reached by Tab
  kManual = 1u << 2,         // "manual": a radio button that never checks itself
  kNoPrefix = 1u << 3,       // "noprefix": '&' is shown as it stands
  kGroup = 1u << 4,          // "group": starts a group; arrow keys move among its radio buttons
};

struct DialogControlTemplate {
  int nID = 0;
  DialogControlKind kind = DialogControlKind::kStatic;
  QString text;
  // The template's own text, before translation; the layout is made for it.
  QString sourceText;
  QRect rect;  // dialog units
  unsigned flags = 0;
};

struct DialogTemplate {
  QString caption;
  QSize size;  // the client area, dialog units
  QString fontFace;
  int nPointSize = 0;
  // Style: "caption" gives a title bar, "sysmenu" a close box on it;
  // "modalframe" (a fixed frame) is what every dialog here has.
  bool bCaption = false;
  bool bSysMenu = false;
  std::vector<DialogControlTemplate> controls;
};

// Reads a template; on a fault returns nothing and says why in *pError.
std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json, QString* pError);

// The translation context of the templates' captions and control texts,
// which are read at run time and translated as they are loaded.
inline constexpr char kDialogContext[] = "Dialog";

QString TranslatedDialogText(const QString& text);

// Finds template nID among the resources and reads it, its texts translated;
// a missing or faulty template is reported as a warning and gives nothing.
std::optional<DialogTemplate> LoadDialogTemplate(UINT nID);
