#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "support/dice_control.h"

// The rules hand the move to the computer player, installed once for the
// whole run as the program does; the board is a stand-in where a test needs
// one. The throws a test states for its dice end with the test.
int main(int argc, char** argv) {
  InstallComputerPlayer();
  ::testing::InitGoogleTest(&argc, argv);
  CheckStatedThrowsInEveryTest();
  return RUN_ALL_TESTS();
}
