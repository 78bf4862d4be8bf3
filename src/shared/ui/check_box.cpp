#include "shared/ui/check_box.h"

namespace ui {

using namespace winsys;

CheckBox::CheckBox(Container& container, std::string name, std::string caption,
                   const TwipsRect& position, Visibility visibility)
    : CaptionedControl(container, std::move(name), Kind::kButton, std::move(caption), position,
                       visibility) {}

bool CheckBox::checked() const {
  return hwnd() != kNoWindow && ws().SendMessage(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

DWORD CheckBox::class_style() const {
  return BS_AUTOCHECKBOX | WS_TABSTOP;
}

}  // namespace ui
