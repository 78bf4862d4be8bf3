#pragma once
// The last line of defence of a run: should the program ever stop yielding to the loop (so that
// neither the virtual clock nor the script can move on), this ends the process after a limit of
// wall time with a clear FAIL and status 1, instead of hanging.

namespace scenario {

void StartWallClockWatchdog(double seconds);

}  // namespace scenario
