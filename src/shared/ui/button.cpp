#include "shared/ui/button.h"

namespace ui {

using namespace winsys;

Button::Button(Container& container, std::string name, std::string caption,
               const TwipsRect& position, Visibility visibility)
    : CaptionedControl(container, std::move(name), Kind::kButton, std::move(caption), position,
                       visibility) {}

DWORD Button::class_style() const {
  return BS_PUSHBUTTON | WS_TABSTOP;
}

void Button::OnCommand(unsigned code) {
  if (code == BN_CLICKED && on_click) on_click();
}

}  // namespace ui
