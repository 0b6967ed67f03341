#include <gtest/gtest.h>

#include "support/dice_control.h"

// The rules run alone: no board is painted and no computer plays unless a
// test puts in a stand-in. The throws a test states for its dice end with the test.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  CheckStatedThrowsInEveryTest();
  return RUN_ALL_TESTS();
}
