// The pause between two frames of an animation. On screen it is a fixed short
// delay during which the window system is answered but no user input is
// handled; display-less runs (tests, the simulator) use no delay at all.
#pragma once

#include <chrono>

void SetFramePause(std::chrono::milliseconds delay);
std::chrono::milliseconds FramePauseLength();

// Waits for the configured delay; returns at once when it is zero.
void FramePause();
