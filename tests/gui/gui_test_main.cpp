#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ai/computer_player.h"
#include "app/help_book.h"
#include "board/main_window_board.h"
#include "platform/ui/win_help.h"
#include "support/dice_control.h"

// The GUI tests need one application object for the whole run, and the board's
// display and the computer player installed as the program installs them. The
// throws a test states for its dice end with the test.
int main(int argc, char** argv) {
  InstallMainWindowBoard();
  InstallComputerPlayer();
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // Remembered options are the tests' own, never the person's running them.
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  SetHelpDirectories(ProgramHelpDirectories({}));
  ::testing::InitGoogleTest(&argc, argv);
  CheckStatedThrowsInEveryTest();
  return RUN_ALL_TESTS();
}
