// The pause between two frames of an animation, and the clock that paces the
// frames. On screen, frames go up on a fixed schedule of display refreshes
// (60 a second): a frame is due one refresh after the last one shown, and the
// pause between two frames ends when the next one is due. During a pause the
// window system is answered but no user input is handled; display-less runs
// (tests, the simulator) use no pause at all.
#pragma once

#include <chrono>
#include <functional>

// One refresh of a common display: the least time a frame stays on the screen.
constexpr std::chrono::nanoseconds kFramePeriod{1'000'000'000 / 60};

void SetFramePause(std::chrono::milliseconds delay);
std::chrono::milliseconds FramePauseLength();

// Waits for the configured delay, rounded up to whole refreshes and counted
// from the last frame shown; returns at once when it is zero, and as soon as
// it is set to zero meanwhile (the window closed).
void FramePause();

// Keeps the frame on the screen for `length`, or until `done` says so; like
// FramePause it holds nothing where frames are not paused (no delay set, or
// the window closed meanwhile).
void HoldFrame(std::chrono::milliseconds length, const std::function<bool()>& done);

// Waits until the next frame is due on the schedule, or until `done` says so;
// no wait for the first frame, or where frames are not paused.
void WaitForFrameDue(const std::function<bool()>& done);
// Tells the clock a frame has gone up now. A frame shown within a refresh of
// when it was due keeps the schedule; a later one (the animation had stopped)
// starts a new schedule from now.
void MarkFrameShown();

// The one wait of the program: waits up to `length`, or until `done` says so,
// answering the window system all the while (exposes, the compositor's pings,
// close requests). It sleeps on a timer between events, so it wakes only for
// an event or at the end. User input that arrives meanwhile is held by the
// window layer (see IsPausing) and handled after the running handler.
void PauseAnswering(std::chrono::nanoseconds length, const std::function<bool()>& done);

// True while PauseAnswering runs.
bool IsPausing();
