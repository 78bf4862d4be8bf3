// tollmere for Windows: the program on the real window system, beside the client it drives.

#include "app/program.h"
#include "shared/ui/registry.h"
#include "shared/winsys/win32/win32_window_system.h"

int main() {
  winsys::win32::Win32WindowSystem ws;
  ui::Registry registry;
  app::Program program(ws, registry);
  program.Start();
  while (!ws.ShouldQuit() && !program.ended()) {
    ws.DoEvents();
    if (ws.ShouldQuit() || program.ended()) break;
    ws.WaitForWork(ws.clock().Now() + 1.0);
  }
  return 0;
}
