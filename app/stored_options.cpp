#include "app/stored_options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr char kGroup[] = "Options";

QString CannotRead(const QString& path, const QString& why) {
  return QCoreApplication::translate(
             "StoredOptions",
             "cannot read the remembered options in %1 (%2); the game starts with the "
             "usual options")
      .arg(QDir::toNativeSeparators(path), why);
}

// A list of seats comes back from QSettings as a list of strings.
QString SettingText(const QVariant& value) {
  return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                  : value.toString();
}

}  // namespace

QString StoredOptionsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/tumbleroad/tumbleroad.conf");
}

StoredOptions ReadStoredOptions(const QString& path, std::span<const OptionEntry> table) {
  StoredOptions stored{OptionValues(table.size()), {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    stored.warnings << CannotRead(path, file.errorString());
    return stored;
  }
  file.close();
  QSettings settings(path, QSettings::IniFormat);
  const QStringList groups = settings.childGroups();
  if (settings.status() != QSettings::NoError || !groups.contains(QLatin1String(kGroup))) {
    stored.warnings << CannotRead(
        path, QCoreApplication::translate("StoredOptions", "not a file of remembered options"));
    return stored;
  }
  settings.beginGroup(QLatin1String(kGroup));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const OptionEntry& option = table[i];
    if (option.storedKey == nullptr || !settings.contains(QLatin1String(option.storedKey))) {
      continue;
    }
    const QString text = SettingText(settings.value(QLatin1String(option.storedKey)));
    stored.values[i] = ParseOptionValue(option, text);
    if (!stored.values[i]) {
      stored.warnings << QCoreApplication::translate(
                             "StoredOptions",
                             "the remembered option %1 in %2 is '%3', not %4; the game "
                             "uses %5")
                             .arg(QLatin1String(option.storedKey), QDir::toNativeSeparators(path),
                                  text, OptionAccepts(option),
                                  OptionValueText(option, option.nDefault));
    }
  }
  return stored;
}

std::optional<int> StoredValue(const QString& path, std::span<const OptionEntry> table,
                               const char* storedKey) {
  if (!QFileInfo::exists(path)) {
    return std::nullopt;
  }
  const StoredOptions stored = ReadStoredOptions(path, table);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].storedKey != nullptr && qstrcmp(table[i].storedKey, storedKey) == 0) {
      return stored.values[i];
    }
  }
  return std::nullopt;
}

QString WriteStoredOptions(const QString& path, std::span<const OptionEntry> table,
                           const std::vector<int>& values) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    return QCoreApplication::translate("StoredOptions", "the folder %1 cannot be made")
        .arg(QDir::toNativeSeparators(folder));
  }
  QString text = QStringLiteral("[%1]\n").arg(QLatin1String(kGroup));
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].storedKey != nullptr) {
      text += QStringLiteral("%1=%2\n").arg(QLatin1String(table[i].storedKey),
                                            OptionValueText(table[i], values[i]));
    }
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
    return file.errorString();
  }
  return {};
}

QString RemoveStoredOptions(const QString& path) {
  QFile file(path);
  if (!file.exists() || file.remove()) {
    return {};
  }
  return file.errorString();
}
