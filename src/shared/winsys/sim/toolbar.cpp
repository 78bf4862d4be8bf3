// "ToolbarWindow32": a plain strip that holds controls. As the Win32 toolbar does, it passes the
// WM_COMMAND notifications of what it holds on to its parent, so a button placed on the strip
// reaches the form.

#include "shared/winsys/sim/control_procedures.h"

namespace winsys::sim {

WindowProc ToolbarProcedure(WindowSystem& system) {
  return [&system](HWND toolbar, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    if (message == WM_COMMAND) {
      const HWND parent = system.GetParent(toolbar);
      return parent == kNoWindow ? 0 : system.SendMessage(parent, message, wparam, lparam);
    }
    return system.DefWindowProc(toolbar, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
