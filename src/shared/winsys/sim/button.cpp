// "Button": push buttons, check boxes and group boxes.
// - A click is a press followed by a release: WM_LBUTTONDOWN then WM_LBUTTONUP, or WM_KEYDOWN then
//   WM_KEYUP with VK_SPACE. A release without a press does nothing. BM_CLICK sends the mouse pair
//   to the button itself, so subclasses see it as a click.
// - A click sends WM_COMMAND(MakeWParam(id, BN_CLICKED), button) to the parent; an automatic check
//   box toggles first.
// - BM_SETCHECK: 0 clears, any other value checks (the client's check boxes are sent -1);
//   BM_GETCHECK answers the state. Push buttons have none.
// - A group box is a frame and takes no input.

#include <memory>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"

namespace winsys::sim {
namespace {

struct ButtonState {
  bool pressed = false;
  WPARAM check = BST_UNCHECKED;
};

enum class ButtonKind { kPush, kCheckBox, kAutoCheckBox, kGroupBox };

class ButtonClass {
 public:
  explicit ButtonClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(button);
      return system_.DefWindowProc(button, message, wparam, lparam);
    }
    const ButtonKind kind = KindOf(button);
    if (kind == ButtonKind::kGroupBox)
      return system_.DefWindowProc(button, message, wparam, lparam);
    const std::shared_ptr<ButtonState> state = states_.Get(button);
    switch (message) {
      case WM_LBUTTONDOWN:
        state->pressed = true;
        return 0;
      case WM_LBUTTONUP:
        Release(button, kind, *state);
        return 0;
      case WM_KEYDOWN:
        if (wparam == VK_SPACE) state->pressed = true;
        return 0;
      case WM_KEYUP:
        if (wparam == VK_SPACE) Release(button, kind, *state);
        return 0;
      case BM_CLICK:
        system_.SendMessage(button, WM_LBUTTONDOWN, 0, 0);
        system_.SendMessage(button, WM_LBUTTONUP, 0, 0);
        return 0;
      case BM_SETCHECK:
        if (kind != ButtonKind::kPush) state->check = wparam != 0 ? BST_CHECKED : BST_UNCHECKED;
        return 0;
      case BM_GETCHECK:
        return static_cast<LRESULT>(state->check);
      default:
        return system_.DefWindowProc(button, message, wparam, lparam);
    }
  }

 private:
  ButtonKind KindOf(HWND button) {
    switch (StyleOf(system_, button) & BS_TYPEMASK) {
      case BS_CHECKBOX:
        return ButtonKind::kCheckBox;
      case BS_AUTOCHECKBOX:
        return ButtonKind::kAutoCheckBox;
      case BS_GROUPBOX:
        return ButtonKind::kGroupBox;
      default:
        return ButtonKind::kPush;
    }
  }

  void Release(HWND button, ButtonKind kind, ButtonState& state) {
    if (!state.pressed) return;
    state.pressed = false;
    if (kind == ButtonKind::kAutoCheckBox) {
      state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    }
    // The parent may destroy the button while it handles the click: nothing follows this.
    NotifyParent(system_, button, BN_CLICKED);
  }

  WindowSystem& system_;
  ControlStateTable<ButtonState> states_;
};

}  // namespace

WindowProc ButtonProcedure(WindowSystem& system) {
  auto button_class = std::make_shared<ButtonClass>(system);
  return [button_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return button_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
