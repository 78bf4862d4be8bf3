// "MDIClient": the container of a frame's document windows. The front child is the active one.
// WM_MDIACTIVATE(wParam = child) brings the child to the front; the child that was in front gets
// WM_MDIACTIVATE(itself, child) and the child WM_MDIACTIVATE(previous, itself), as Win32 tells
// the two windows. A child created in the client goes to the front without these messages (the
// desktop puts it there).

#include "shared/winsys/sim/control_procedures.h"

namespace winsys::sim {

WindowProc MdiClientProcedure(WindowSystem& system) {
  return [&system](HWND client, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    if (message != WM_MDIACTIVATE) return system.DefWindowProc(client, message, wparam, lparam);
    const auto child = static_cast<HWND>(wparam);
    if (!system.IsWindow(child) || system.GetParent(child) != client) return 0;
    HWND previous = system.GetWindow(client, GW_CHILD);
    if (previous == child) previous = kNoWindow;
    if (previous != kNoWindow) {
      system.SendMessage(previous, WM_MDIACTIVATE, previous, static_cast<LPARAM>(child));
    }
    system.BringWindowToTop(child);
    system.SendMessage(child, WM_MDIACTIVATE, previous, static_cast<LPARAM>(child));
    return 0;
  };
}

}  // namespace winsys::sim
