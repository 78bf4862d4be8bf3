// "Static": a caption and nothing else; the text lives in the window's caption as DefWindowProc
// keeps it.

#include "shared/winsys/sim/control_procedures.h"

namespace winsys::sim {

WindowProc StaticProcedure(WindowSystem& system) {
  return [&system](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return system.DefWindowProc(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
