#pragma once
// The host toolkit's text input box.

#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace ui {

// Shows the box owned by owner with the prompt, title and default text and waits for the answer
// while the message loop runs; the typed text, or the empty text on Cancel.
std::string InputBox(winsys::WindowSystem& ws, winsys::HWND owner, std::string_view prompt,
                     std::string_view title, std::string_view default_text);

}  // namespace ui
