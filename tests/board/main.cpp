#include <gtest/gtest.h>

#include "board/main_window_board.h"
#include "support/dice_control.h"

// The rules paint through the board's display, installed once for the whole
// run as the program does. The throws a test states for its dice end with the test.
int main(int argc, char** argv) {
  InstallMainWindowBoard();
  ::testing::InitGoogleTest(&argc, argv);
  CheckStatedThrowsInEveryTest();
  return RUN_ALL_TESTS();
}
