#include "shared/winsys/wait.h"

#include <cmath>

namespace winsys {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Seconds elapsed since a start taken as seconds since midnight, counting on across midnight:
// a reading more than half a second below the start (rounding alone never puts it further below)
// means midnight has passed.
double ElapsedSince(double start, double reading) {
  if (reading < start - 0.5) reading += kSecondsPerDay;
  return reading - start;
}

}  // namespace

void WaitSeconds(WindowSystem& ws, double seconds) {
  Clock& clock = ws.clock();
  const double start = std::round(clock.SecondsSinceMidnight());
  for (;;) {
    // Both waits end at once when the program's loop was told to quit: the program is ending,
    // and code inside a wait must get back to the loop promptly.
    if (ws.ShouldQuit()) return;
    const double elapsed = ElapsedSince(start, clock.SecondsSinceMidnight());
    if (!(seconds > elapsed)) return;
    ws.DoEvents();
    const double remaining = seconds - ElapsedSince(start, clock.SecondsSinceMidnight());
    if (remaining > 0) ws.WaitForWork(clock.Now() + remaining);
  }
}

void WaitAtLeastSeconds(WindowSystem& ws, double seconds) {
  Clock& clock = ws.clock();
  const double deadline = clock.Now() + seconds;
  for (;;) {
    if (clock.Now() >= deadline || ws.ShouldQuit()) return;
    ws.DoEvents();
    if (clock.Now() < deadline) ws.WaitForWork(deadline);
  }
}

}  // namespace winsys
