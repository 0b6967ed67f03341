// The computer's pace, for tests. With TUMBLEROAD_REPORT_PACE set in the
// environment, each step a watched computer turn holds is printed to standard
// error with its hold and the frame pause in force, so that a test can see the
// pace a turn is played at without timing it.
#pragma once

#include <chrono>

// Prints the report of one held step, when asked for.
void ReportHeldStep(std::chrono::milliseconds hold);
