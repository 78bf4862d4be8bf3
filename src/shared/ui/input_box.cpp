#include "shared/ui/input_box.h"

namespace ui {

std::string InputBox(winsys::WindowSystem& ws, winsys::HWND owner, std::string_view prompt,
                     std::string_view title, std::string_view default_text) {
  return ws.InputBox(owner, prompt, title, default_text);
}

}  // namespace ui
