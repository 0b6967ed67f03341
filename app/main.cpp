#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/command_line.h"
#include "app/startup_report.h"
#include "app/stored_options.h"
#include "app/ui_language.h"
#include "app/varnel_app.h"
#include "app/window_system_failure.h"
#include "platform/file_names.h"
#include "platform/frame_pause.h"
#include "platform/ui/screen_fit.h"

CVarnelApp theApp;

namespace {

// A pause between the animation frames of a die, on top of the display's pace.
constexpr std::chrono::milliseconds kFramePause{16};

// Arguments keep their bytes, so a file name that is not UTF-8 still opens.
QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << DecodeFileName(QByteArray(argv[i]));
  }
  return arguments;
}

// False when the text could not be written (a full disk, say).
bool PrintTo(std::FILE* stream, const QString& text) {
  return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

// --help and --version: a text that cannot be written is a failure.
int PrintAnswer(const QString& text) {
  if (PrintTo(stdout, text)) {
    return 0;
  }
  PrintTo(stderr, QStringLiteral("tumbleroad: cannot write to standard output: %1\n")
                      .arg(QString::fromLocal8Bit(std::strerror(errno))));
  return 1;
}

// Qt takes any number for QT_SCALE_FACTOR, and one that gives no usable
// window (0, negative, below 1, not finite, huge) leaves the game without a
// board, or with a corner of it; such a value is replaced by 1.
void RefuseUnusableScaleFactor() {
  const QByteArray value = qgetenv("QT_SCALE_FACTOR");
  bool isNumber = false;
  const double factor = value.toDouble(&isNumber);
  if (!isNumber || UsableScaleFactor(factor)) {
    return;
  }
  PrintTo(stderr, QStringLiteral("tumbleroad: QT_SCALE_FACTOR=%1 gives no usable window; "
                                 "the scale factor is 1\n")
                      .arg(QString::fromLocal8Bit(value)));
  qputenv("QT_SCALE_FACTOR", "1");
}

QtMessageHandler g_previousMessageHandler = nullptr;
// Set while only a message box is wanted: without a display it is skipped,
// the message having gone to standard error already.
bool g_bDisplayOptional = false;
QStringList g_arguments;

// Qt aborts when it cannot reach a display; say so plainly and end with a
// failure status instead of a crash.
void ExitOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (g_previousMessageHandler != nullptr) {
      g_previousMessageHandler(type, context, message);
    }
    return;
  }
  if (g_bDisplayOptional) {
    std::_Exit(1);
  }
  PrintTo(stderr,
          QStringLiteral("tumbleroad: %1\n").arg(WindowSystemFailure(g_arguments, message)));
  std::_Exit(1);
}

// Runs the game with a display, or shows why it cannot start; the exit status.
int RunGame(const CCommandLineInfo& info, QString startupError) {
  if (startupError.isEmpty()) {
    SetFramePause(kFramePause);
    theApp.SetCommandLine(info);
    if (theApp.InitInstance()) {
      const int status = QApplication::exec();
      theApp.ExitInstance();
      return status;
    }
    startupError = theApp.StartupError();
    theApp.ExitInstance();
    if (startupError.isEmpty()) {
      return 0;
    }
    PrintTo(stderr, QStringLiteral("tumbleroad: %1\n").arg(startupError));
  }
  QMessageBox::critical(
      nullptr, QStringLiteral("Tumbleroad"),
      QCoreApplication::translate("Startup", "Tumbleroad cannot start: %1").arg(startupError));
  return 1;
}

void InstallSystemLanguage() {
  InstallTranslations(SystemLanguages());
}

}  // namespace

int main(int argc, char** argv) {
  MarkMainEntered();
  // --help, --version and mistakes are answered before any window exists, so
  // they work without a display.
  g_arguments = Arguments(argc, argv);
  // Seats given to the computer are checked against the number of players
  // the first game will have, which may be a remembered one.
  const std::optional<int> nPlayersWithout =
      StoredValue(StoredOptionsPath(), GameOptions(), "players");
  const CCommandLineInfo info = ParseCommandLine(g_arguments, nPlayersWithout);
  const QString program = QStringLiteral("tumbleroad");
  if (info.m_nShellCommand == CCommandLineInfo::ShowHelp ||
      info.m_nShellCommand == CCommandLineInfo::Invalid) {
    // Read in the person's language: no display is needed for the words.
    QCoreApplication words(argc, argv);
    InstallSystemLanguage();
    if (info.m_nShellCommand == CCommandLineInfo::ShowHelp) {
      return PrintAnswer(UsageText(program));
    }
    PrintTo(stderr, QCoreApplication::translate("CommandLine",
                                                "%1: %2\nTry '%1 --help' for more information.\n")
                        .arg(program, ParseCommandLine(g_arguments, nPlayersWithout).m_strError));
    return 2;
  }
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::ShowHelp:
    case CCommandLineInfo::Invalid:
      break;
    case CCommandLineInfo::ShowVersion:
      return PrintAnswer(VersionText());
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileOpen:
      break;
  }
  // A file that cannot be read is refused at once, display or not.
  QString startupError;
  if (info.m_nShellCommand == CCommandLineInfo::FileOpen &&
      !FileOpenError(info.m_strFileName).isEmpty()) {
    {
      // Said in the person's language, with the system's own words for why.
      QCoreApplication words(argc, argv);
      InstallSystemLanguage();
      startupError = CannotOpenMessage(info.m_strFileName);
    }
    if (!startupError.isEmpty()) {
      PrintTo(stderr, QStringLiteral("%1: %2\n").arg(program, startupError));
      // The message box is for those who started the game from a menu.
      if (qEnvironmentVariableIsEmpty("DISPLAY") &&
          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return 1;
      }
      g_bDisplayOptional = true;
    }
  }

  // The font configuration takes a good part of start-up; it loads while Qt
  // connects to the display, ready for the menu bar's first text.
  std::thread fontConfiguration([] { FcInit(); });
  QApplication::setApplicationName(program);
  QApplication::setDesktopFileName(QStringLiteral("io.github.tumbleroad.Tumbleroad"));
  // The menu bar stays in the window: the window's size is the board's plus
  // the menu bar's, whatever the desktop does with menus.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  RefuseUnusableScaleFactor();
  g_previousMessageHandler = qInstallMessageHandler(ExitOnFatalMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(g_previousMessageHandler);
  InstallSystemLanguage();
  fontConfiguration.join();
  const int status = RunGame(info, startupError);
  // Qt 6.4's Wayland plugin can deadlock while it takes the connection down
  // (the display waits for its event thread, which waits for events). The
  // game has nothing left to save by then, so on Wayland it ends here.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
  }
  return status;
}
