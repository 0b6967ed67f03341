// Start-up timing, for measuring. With TUMBLEROAD_REPORT_STARTUP set in the
// environment, the moment the board first reaches the screen is printed to
// standard error (as wall-clock time, to compare with the moment of launch,
// and as the time since main() began), and so is the time the opening throw
// of the four dice took on the screen.
#pragma once

// Notes the moment main() began.
void MarkMainEntered();
// Prints the report, when asked for.
void ReportFirstPaint();
void ReportOpeningThrow(double milliseconds);
