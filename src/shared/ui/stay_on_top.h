#pragma once
// Keeps one of the program's own windows above every window that is not topmost, without moving
// or sizing it. No window (a form not loaded) is left alone.

#include "shared/winsys/window_system.h"

namespace ui {

void StayOnTop(winsys::WindowSystem& ws, winsys::HWND window);

}  // namespace ui
