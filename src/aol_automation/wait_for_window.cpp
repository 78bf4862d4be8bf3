#include "aol_automation/wait_for_window.h"

#include "shared/winsys/wait.h"

namespace vornik32 {

WaitForWindow::WaitForWindow(winsys::WindowSystem& ws, double bound_seconds, double pause_seconds)
    : ws_(ws), bound_seconds_(bound_seconds), pause_seconds_(pause_seconds) {}

Outcome WaitForWindow::Until(const Look& look) const {
  return RepeatUntil(ws_, bound_seconds_, [&] {
    ws_.DoEvents();
    const bool found = look();
    winsys::WaitSeconds(ws_, pause_seconds_);
    return found;
  });
}

Outcome WaitForWindow::UntilAtOnce(const Look& look, const Look& after_pause) const {
  return RepeatUntil(ws_, bound_seconds_, [&] {
    ws_.DoEvents();
    if (look()) return true;
    winsys::WaitSeconds(ws_, pause_seconds_);
    return after_pause();
  });
}

}  // namespace vornik32
