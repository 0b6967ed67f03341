// What must hold between any two inputs, whatever the game did.
#pragma once

#include <string>

// Checks the whole game state; returns an empty string when it is sound,
// else a description of the first fault found.
std::string GameStateFault();
