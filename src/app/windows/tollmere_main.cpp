// tollmere for Windows: the program on the real window system, beside the client it drives.

#include "aol_automation/wait_bounds.h"
#include "app/program.h"
#include "serving_loop/pending_requests_keeper.h"
#include "shared/ui/registry.h"
#include "shared/winsys/win32/win32_window_system.h"

namespace {

// Every message to the client's windows is bounded from the same table as the program's waits.
winsys::win32::Win32Options OptionsFor(const vornik32::WaitBounds& bounds) {
  winsys::win32::Win32Options options;
  options.cross_process_timeout_ms = static_cast<winsys::UINT>(bounds.message_answer * 1000);
  return options;
}

}  // namespace

int main() {
  const vornik32::WaitBounds bounds;
  winsys::win32::Win32WindowSystem ws(OptionsFor(bounds));
  ui::Registry registry;
  app::Program program(ws, registry, bounds);
  program.KeepPendingRequestsIn(serving_loop::kPendingRequestsFileName);
  program.Start();
  while (!ws.ShouldQuit() && !program.ended()) {
    ws.DoEvents();
    if (ws.ShouldQuit() || program.ended()) break;
    ws.WaitForWork(ws.clock().Now() + 1.0);
  }
  return 0;
}
