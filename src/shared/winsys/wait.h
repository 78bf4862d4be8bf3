#pragma once
// The one wait primitive of the program, and a stricter one for measurements.

#include "shared/winsys/window_system.h"

namespace winsys {

// Waits while yielding to the message loop. The start is the clock's seconds since midnight
// rounded to the nearest second, so the wait lasts between seconds - 0.5 and seconds + 0.5 and a
// very short wait may take no time at all; a wait that crosses midnight counts on across it.
void WaitSeconds(WindowSystem& ws, double seconds);

// Waits at least the given time, measured from the exact moment of the call. For readings that
// must lie a known time apart (a list that is still filling must be given the time to grow).
void WaitAtLeastSeconds(WindowSystem& ws, double seconds);

}  // namespace winsys
