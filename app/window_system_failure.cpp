#include "app/window_system_failure.h"

namespace {

// The window systems asked for, in Qt's order of choice, and by what.
QString RequestedPlatform(const QStringList& arguments, QString* pSource) {
  for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform")) {
      *pSource = QStringLiteral("-platform");
      return arguments[i + 1];
    }
  }
  if (const QString requested = qEnvironmentVariable("QT_QPA_PLATFORM"); !requested.isEmpty()) {
    *pSource = QStringLiteral("QT_QPA_PLATFORM");
    return requested;
  }
  const bool gnome = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                         .contains(QLatin1String("gnome"), Qt::CaseInsensitive) ||
                     qEnvironmentVariable("XDG_SESSION_DESKTOP")
                         .contains(QLatin1String("gnome"), Qt::CaseInsensitive);
  if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") && !gnome) {
    // Qt falls back to X11 when Wayland fails.
    return QStringLiteral("wayland;xcb");
  }
  return QStringLiteral("xcb");
}

QString X11Failure() {
  const QString display = qEnvironmentVariable("DISPLAY");
  return display.isEmpty()
             ? QStringLiteral("cannot open a window: no display is set (DISPLAY is empty)")
             : QStringLiteral("cannot open a window on display %1").arg(display);
}

QString WaylandFailure() {
  const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  // Without WAYLAND_DISPLAY a client looks for the first display.
  return display.isEmpty()
             ? QStringLiteral(
                   "cannot open a window on Wayland display wayland-0 (WAYLAND_DISPLAY is not set)")
             : QStringLiteral("cannot open a window on Wayland display %1").arg(display);
}

}  // namespace

QString WindowSystemFailure(const QStringList& arguments, const QString& qtMessage) {
  QString source;
  const QString requested = RequestedPlatform(arguments, &source);
  QStringList reasons;
  bool unknown = false;
  for (const QString& entry : requested.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString name = entry.section(QLatin1Char(':'), 0, 0);
    if (name == QLatin1String("xcb")) {
      reasons << X11Failure();
    } else if (name.startsWith(QLatin1String("wayland"))) {
      reasons << WaylandFailure();
    } else {
      unknown = true;
      reasons << QStringLiteral(
                     "cannot open a window: the window system '%1' named by %2 cannot be started")
                     .arg(name, source);
    }
  }
  QString reason = reasons.join(QStringLiteral("; "));
  const QString listed = QStringLiteral("Available platform plugins are: ");
  if (const qsizetype at = qtMessage.indexOf(listed); at >= 0 && unknown) {
    QString available = qtMessage.mid(at + listed.size()).section(QLatin1Char('\n'), 0, 0);
    if (available.endsWith(QLatin1Char('.'))) {
      available.chop(1);
    }
    reason += QStringLiteral(" (this Qt has: %1)").arg(available);
  }
  return reason;
}
