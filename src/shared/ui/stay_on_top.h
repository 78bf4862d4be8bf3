#pragma once
// Keeps a window above every window that is not topmost.

#include "shared/winsys/window_system.h"

namespace ui {

void StayOnTop(winsys::WindowSystem& ws, winsys::HWND window);

}  // namespace ui
