// The computer's turns as the main window shows them: the window watches the
// play (board input is dropped; the menu, F2 and the close box stay live),
// and a command made meanwhile makes the computer yield at its next step,
// runs, and then lets the computer play on.
#pragma once

// Puts the watch around the computer player installed before it, and has the
// board installed before it tell a screen reader of each step it holds.
void InstallComputerWatch();

// After a command that made the computer yield: the computer plays on when
// it still has the move (the command did not start a new game or close the
// window).
void ResumeYieldedComputer();
