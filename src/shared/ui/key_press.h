#pragma once
// Hands a typed character (WM_CHAR) to a key-press handler before the window takes it.

#include <functional>

#include "shared/winsys/window_system.h"

namespace ui {

// Calls handler with the character in wparam, then passes the (possibly replaced) character on
// to next, unless the handler swallowed it (set it to 0) or the window is gone by then.
winsys::LRESULT DeliverKeyPress(winsys::WindowSystem& ws,
                                const std::function<void(char& key)>& handler,
                                const winsys::WindowProc& next, winsys::HWND window,
                                winsys::WPARAM wparam, winsys::LPARAM lparam);

}  // namespace ui
