#include "aol_automation/wait_bounds.h"

#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

constexpr double kBriefYieldSeconds = 0.01;

}  // namespace

Outcome RepeatUntil(winsys::WindowSystem& ws, double bound_seconds,
                    const std::function<bool()>& round) {
  const double deadline = ws.clock().Now() + bound_seconds;
  for (;;) {
    if (round()) return Outcome::kDone;
    // A program that is ending gives up every wait at once: its windows are gone.
    if (ws.clock().Now() >= deadline || ws.ShouldQuit()) return Outcome::kGaveUp;
  }
}

void YieldBriefly(winsys::WindowSystem& ws) {
  winsys::WaitAtLeastSeconds(ws, kBriefYieldSeconds);
}

}  // namespace vornik32
