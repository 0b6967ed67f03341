#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "board/board_display.h"

// The rules paint through the board's display and hand the move to the
// computer player, installed once for the whole run as the program does.
int main(int argc, char** argv) {
  InstallMainWindowBoard();
  InstallComputerPlayer();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
