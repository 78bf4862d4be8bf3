#include "scenario/watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace scenario {

void StartWallClockWatchdog(double seconds) {
  std::thread([seconds] {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    std::fprintf(stdout, "FAIL watchdog: the run took more than %.0f s of wall time\n", seconds);
    std::fprintf(stdout, "0 passed, 1 failed\n");
    std::fflush(stdout);
    std::_Exit(1);
  }).detach();
}

}  // namespace scenario
