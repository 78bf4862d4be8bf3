#pragma once
// The automation's one way to wait for one of the client's windows: rounds of letting the
// program's messages run, looking at the client and pausing, bounded by one of the WaitBounds
// (RepeatUntil). A wait that gives up reports it and leaves what the last look found.

#include <functional>

#include "aol_automation/wait_bounds.h"
#include "shared/winsys/window_system.h"

namespace vornik32 {

class WaitForWindow {
 public:
  using Look = std::function<bool()>;

  WaitForWindow(winsys::WindowSystem& ws, double bound_seconds, double pause_seconds);

  // Each round looks, then pauses; the wait ends after the pause of the round whose look found
  // what it looked for.
  Outcome Until(const Look& look) const;
  // Each round looks, and a look that found ends the wait at once, with no pause; otherwise the
  // round pauses and then asks after_pause, which ends the wait when it answers true (a second
  // look at what may have come during the pause, or a reading of what the first look found).
  Outcome UntilAtOnce(
      const Look& look, const Look& after_pause = [] { return false; }) const;

 private:
  winsys::WindowSystem& ws_;
  double bound_seconds_;
  double pause_seconds_;
};

}  // namespace vornik32
