#include "platform/ui/dialog_template.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtDebug>
#include <cmath>
#include <utility>

namespace {

// A fault found while reading; carries the message up to the caller.
struct TemplateFault {
  QString message;
};

int ToInt(const QJsonValue& value, const QString& what) {
  const double number = value.toDouble(std::nan(""));
  if (!value.isDouble() || number != std::floor(number) || std::abs(number) > 1e9) {
    throw TemplateFault{what + QStringLiteral(" must be a whole number")};
  }
  return static_cast<int>(number);
}

QString ToString(const QJsonValue& value, const QString& what) {
  if (!value.isString()) {
    throw TemplateFault{what + QStringLiteral(" must be a string")};
  }
  return value.toString();
}

std::vector<int> ToInts(const QJsonValue& value, const QString& what) {
  std::vector<int> numbers;
  for (const QJsonValue& item : value.toArray()) {
    numbers.push_back(ToInt(item, what));
  }
  return numbers;
}

DialogControlKind ToKind(const QString& word) {
  static const std::pair<const char*, DialogControlKind> kKinds[] = {
      {"button", DialogControlKind::kPushButton}, {"radio", DialogControlKind::kRadio},
      {"static", DialogControlKind::kStatic},     {"groupbox", DialogControlKind::kGroupBox},
      {"icon", DialogControlKind::kIcon},
  };
  for (const auto& [name, kind] : kKinds) {
    if (word == QLatin1String(name)) {
      return kind;
    }
  }
  throw TemplateFault{QStringLiteral("unknown control kind \"%1\"").arg(word)};
}

unsigned ToFlags(const QJsonValue& value) {
  static const std::pair<const char*, unsigned> kFlags[] = {
      {"default", kDefaultButton},
      {"tabstop", kTabStop},
      {"manual", kManual},
      {"noprefix", kNoPrefix},
      {"group", kGroup},
      {"left", 0},
      {"vcenter", 0},
  };
  if (!value.isUndefined() && !value.isArray()) {
    throw TemplateFault{QStringLiteral("\"flags\" must be a list")};
  }
  unsigned flags = 0;
  for (const QJsonValue& item : value.toArray()) {
    const QString word = ToString(item, QStringLiteral("a flag"));
    bool known = false;
    for (const auto& [name, bit] : kFlags) {
      if (word == QLatin1String(name)) {
        flags |= bit;
        known = true;
      }
    }
    if (!known) {
      throw TemplateFault{QStringLiteral("unknown flag \"%1\"").arg(word)};
    }
  }
  return flags;
}

DialogControlTemplate ToControl(const QJsonValue& value, int index) {
  const QString where = QStringLiteral("control %1: ").arg(index);
  if (!value.isObject()) {
    throw TemplateFault{where + QStringLiteral("must be an object")};
  }
  const QJsonObject object = value.toObject();
  DialogControlTemplate control;
  control.nID = ToInt(object["id"], where + QStringLiteral("\"id\""));
  control.kind = ToKind(ToString(object["kind"], where + QStringLiteral("\"kind\"")));
  control.text = ToString(object["text"], where + QStringLiteral("\"text\""));
  control.flags = ToFlags(object["flags"]);

  const std::vector<int> rect = ToInts(object["rect"], where + QStringLiteral("\"rect\""));
  const bool placeOnly = control.kind == DialogControlKind::kIcon && rect.size() == 2;
  if (rect.size() != 4 && !placeOnly) {
    throw TemplateFault{where + QStringLiteral("\"rect\" must be [x, y, width, height]")};
  }
  control.rect =
      placeOnly ? QRect(rect[0], rect[1], 0, 0) : QRect(rect[0], rect[1], rect[2], rect[3]);

  if (control.kind == DialogControlKind::kRadio && (control.flags & kManual) == 0) {
    throw TemplateFault{where + QStringLiteral("radio buttons here are manual ones")};
  }
  return control;
}

DialogTemplate ToTemplate(const QJsonObject& root) {
  DialogTemplate dialog;
  dialog.caption = ToString(root["caption"], QStringLiteral("\"caption\""));

  const std::vector<int> size = ToInts(root["size"], QStringLiteral("\"size\""));
  if (size.size() != 2 || size[0] <= 0 || size[1] <= 0) {
    throw TemplateFault{QStringLiteral("\"size\" must be [width, height], both above 0")};
  }
  dialog.size = QSize(size[0], size[1]);

  const QJsonObject font = root["font"].toObject();
  dialog.fontFace = ToString(font["face"], QStringLiteral("\"font\".\"face\""));
  dialog.nPointSize = ToInt(font["points"], QStringLiteral("\"font\".\"points\""));
  if (dialog.nPointSize <= 0) {
    throw TemplateFault{QStringLiteral("\"font\".\"points\" must be above 0")};
  }

  for (const QJsonValue& item : root["style"].toArray()) {
    const QString word = ToString(item, QStringLiteral("a style"));
    if (word == QLatin1String("caption")) {
      dialog.bCaption = true;
    } else if (word == QLatin1String("sysmenu")) {
      dialog.bSysMenu = true;
    } else if (word != QLatin1String("modalframe")) {
      throw TemplateFault{QStringLiteral("unknown style \"%1\"").arg(word)};
    }
  }

  if (!root["controls"].isArray()) {
    throw TemplateFault{QStringLiteral("\"controls\" must be a list")};
  }
  int index = 0;
  for (const QJsonValue& item : root["controls"].toArray()) {
    dialog.controls.push_back(ToControl(item, index++));
  }
  return dialog;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json, QString* pError) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  try {
    if (parseError.error != QJsonParseError::NoError) {
      throw TemplateFault{parseError.errorString()};
    }
    if (!document.isObject()) {
      throw TemplateFault{QStringLiteral("the template must be an object")};
    }
    return ToTemplate(document.object());
  } catch (const TemplateFault& fault) {
    *pError = fault.message;
    return std::nullopt;
  }
}

QString TranslatedDialogText(const QString& text) {
  return QCoreApplication::translate(kDialogContext, text.toUtf8().constData());
}

std::optional<DialogTemplate> LoadDialogTemplate(UINT nID) {
  const QString path = QStringLiteral(":/dialogs/%1.json").arg(nID);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning("Dialog template %u is missing (%s).", nID, qPrintable(path));
    return std::nullopt;
  }
  QString error;
  std::optional<DialogTemplate> dialog = ParseDialogTemplate(file.readAll(), &error);
  if (!dialog) {
    qWarning("Dialog template %u is faulty: %s.", nID, qPrintable(error));
    return dialog;
  }
  dialog->caption = TranslatedDialogText(dialog->caption);
  for (DialogControlTemplate& control : dialog->controls) {
    if (control.kind != DialogControlKind::kIcon) {
      control.sourceText = control.text;
      control.text = TranslatedDialogText(control.text);
    }
  }
  return dialog;
}
