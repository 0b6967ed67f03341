// Start-up timing, for measuring. With TUMBLEROAD_REPORT_STARTUP set in the
// environment, the moment the board first reaches the screen is printed to
// standard error: as wall-clock time, to compare with the moment of launch,
// and as the time since main() began.
#pragma once

// Notes the moment main() began.
void MarkMainEntered();
// Prints the report, when asked for.
void ReportFirstPaint();
