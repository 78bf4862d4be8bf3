#include "shared/ui/frame.h"

namespace ui {

using namespace winsys;

Frame::Frame(Container& container, std::string name, std::string caption, const TwipsRect& position,
             Visibility visibility)
    : CaptionedControl(container, std::move(name), Kind::kFrame, std::move(caption), position,
                       visibility) {}

Frame::~Frame() {
  DestroyOwnWindow();
}

void Frame::AfterCreate() {
  group_box_procedure_ =
      ws().SubclassWindow(hwnd(), [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        WindowSystem& system = ws();
        if (message == WM_COMMAND) {
          return system.SendMessage(system.GetParent(window), message, wparam, lparam);
        }
        const WindowProc group_box = group_box_procedure_;
        if (!group_box) return system.DefWindowProc(window, message, wparam, lparam);
        return group_box(window, message, wparam, lparam);
      });
}

}  // namespace ui
