#include "shared/ui/key_press.h"

namespace ui {

using namespace winsys;

LRESULT DeliverKeyPress(WindowSystem& ws, const std::function<void(char& key)>& handler,
                        const WindowProc& next, HWND window, WPARAM wparam, LPARAM lparam) {
  if (handler) {
    // The texts are one byte a character; the handler sees the byte, as the edit does.
    auto key = static_cast<char>(static_cast<unsigned char>(wparam & 0xFF));
    handler(key);
    if (key == 0) return 0;
    wparam = static_cast<unsigned char>(key);
  }
  // The handler may have closed the form: then there is nobody left to take the key.
  if (!next || !ws.IsWindow(window)) return 0;
  return next(window, WM_CHAR, wparam, lparam);
}

}  // namespace ui
