#pragma once
// The one way the tests let time pass: the message loop of a process runs (posted messages,
// timers, idle hooks) while the clock moves on.
//
// Header-only, and free of the test framework.

#include <algorithm>
#include <functional>

#include "shared/winsys/wait.h"
#include "shared/winsys/window_system.h"

namespace tollmere_testing {

// Lets this much time pass, measured from the exact moment of the call.
inline void RunFor(winsys::WindowSystem& ws, double seconds) {
  winsys::WaitAtLeastSeconds(ws, seconds);
}

// Lets time pass until ready() holds, for at most the time given; answers whether it held.
// ready() is asked after each round of the loop, and at least every 50 ms.
inline bool RunUntil(winsys::WindowSystem& ws, const std::function<bool()>& ready, double seconds) {
  constexpr double kLookEvery = 0.05;
  const double deadline = ws.clock().Now() + seconds;
  while (!ready()) {
    if (ws.clock().Now() >= deadline) return false;
    ws.DoEvents();
    ws.WaitForWork(std::min(deadline, ws.clock().Now() + kLookEvery));
  }
  return true;
}

}  // namespace tollmere_testing
