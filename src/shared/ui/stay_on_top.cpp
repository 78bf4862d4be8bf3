#include "shared/ui/stay_on_top.h"

namespace ui {

using namespace winsys;

void StayOnTop(WindowSystem& ws, HWND window) {
  if (window == kNoWindow) return;
  ws.SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace ui
