#pragma once

// The transport's pauses: between two data reports, and between two polls of
// the link. A seam over the platform's sleep so that a benchmark can measure
// the host-side cost of a command without the pauses.
namespace pacing {

using SleepFunction = void (*)(unsigned milliseconds);

// Pauses the calling thread for `milliseconds`.
void pause(unsigned milliseconds);

// The platform's own sleep (pacing_linux.cpp, pacing_win.cpp).
void platformSleep(unsigned milliseconds);

// Replaces the function pause() calls and returns the previous one; for
// benchmarks only, never changed while a command is in progress.
SleepFunction setSleepFunction(SleepFunction f);

} // namespace pacing
