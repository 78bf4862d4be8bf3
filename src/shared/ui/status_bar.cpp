#include "shared/ui/status_bar.h"

namespace ui {

using namespace winsys;

StatusBar::StatusBar(Container& container, std::string name, std::string text,
                     const TwipsRect& position, Visibility visibility)
    : Control(container, std::move(name), Kind::kStatusBar, position, visibility),
      design_text_(text),
      text_(std::move(text)) {}

void StatusBar::set_text(std::string text) {
  text_ = std::move(text);
  if (hwnd() != kNoWindow) AfterCreate();
}

void StatusBar::AfterCreate() {
  ws().SendMessage(hwnd(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text_.c_str()));
}

}  // namespace ui
