#include "aol_automation/wait_bounds.h"

#include <algorithm>

#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

constexpr double kBriefYieldSeconds = 0.01;
// The shortest a round that found nothing may take. A round's own pause can take no time at all
// (a short wait counts from the nearest whole second), and a round that came straight back would
// spin a processor on the real clock for as long as the client keeps the program waiting.
constexpr double kShortestRoundSeconds = 0.05;

}  // namespace

Outcome RepeatUntil(winsys::WindowSystem& ws, double bound_seconds,
                    const std::function<bool()>& round) {
  const double deadline = ws.clock().Now() + bound_seconds;
  for (;;) {
    const double began = ws.clock().Now();
    if (round()) return Outcome::kDone;
    const double now = ws.clock().Now();
    // A program that is ending gives up every wait at once: its windows are gone.
    if (now >= deadline || ws.ShouldQuit()) return Outcome::kGaveUp;
    const double rest = std::min(kShortestRoundSeconds - (now - began), deadline - now);
    if (rest > 0) winsys::WaitAtLeastSeconds(ws, rest);
  }
}

void YieldBriefly(winsys::WindowSystem& ws) {
  winsys::WaitAtLeastSeconds(ws, kBriefYieldSeconds);
}

}  // namespace vornik32
