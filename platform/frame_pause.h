// The pause between two frames of an animation. On screen it is a fixed short
// delay during which the window system is answered but no user input is
// handled; display-less runs (tests, the simulator) use no delay at all.
#pragma once

#include <chrono>
#include <functional>

void SetFramePause(std::chrono::milliseconds delay);
std::chrono::milliseconds FramePauseLength();

// Waits for the configured delay; returns at once when it is zero, and as soon
// as it is set to zero meanwhile (the window closed).
void FramePause();

// Keeps the frame on the screen for `length`, or until `done` says so; like
// FramePause it holds nothing where frames are not paused (no delay set, or
// the window closed meanwhile).
void HoldFrame(std::chrono::milliseconds length, const std::function<bool()>& done);

// The one wait loop of the program: waits up to `length`, or until `done` says
// so, answering the window system all the while (exposes, the compositor's
// pings, close requests). User input that arrives meanwhile is held by the
// window layer (see IsPausing) and handled after the running handler.
void PauseAnswering(std::chrono::nanoseconds length, const std::function<bool()>& done);

// True while PauseAnswering runs.
bool IsPausing();
