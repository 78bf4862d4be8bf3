#pragma once
// The clipboard, as plain text.

#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace ui {

class Clipboard {
 public:
  explicit Clipboard(winsys::WindowSystem& ws) : ws_(ws) {}

  // Replaces whatever the clipboard held.
  void SetText(std::string_view text);
  // The empty text when the clipboard holds no text.
  std::string GetText() const;

 private:
  winsys::WindowSystem& ws_;
};

}  // namespace ui
