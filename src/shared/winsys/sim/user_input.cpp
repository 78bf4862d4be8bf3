#include "shared/winsys/sim/user_input.h"

#include <string>

#include "shared/winsys/sim/popup_menu_handler.h"

namespace winsys::sim {
namespace {

constexpr LPARAM kKeyDownFlags = 1;  // repeat count 1
constexpr LPARAM kKeyUpFlags = static_cast<LPARAM>(
    std::uintptr_t{0xC000'0001u});  // repeat count 1, previous state, transition

// The character a key types, or 0 for a key that types none.
char CharacterOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_RETURN:
    case VK_SPACE:
    case VK_BACK:
    case VK_ESCAPE:
    case VK_TAB:
      return static_cast<char>(virtual_key);
    default:
      return 0;
  }
}

}  // namespace

InputResult UserInput::PressOn(HWND window) {
  const InputResult allowed = desktop_.CanTakeInput(window);
  if (allowed != InputResult::kDelivered) return allowed;
  desktop_.loop().NoteActivity();
  const HWND root = desktop_.tree().RootOf(window);
  if (desktop_.GetForegroundWindow() != root) desktop_.Activate(root);
  // The activation may have run code that closed the window.
  return desktop_.IsWindow(window) ? InputResult::kDelivered : InputResult::kNoWindow;
}

InputResult UserInput::Click(HWND window) {
  const InputResult pressed = PressOn(window);
  if (pressed != InputResult::kDelivered) return pressed;
  desktop_.SendMessage(window, WM_LBUTTONDOWN, 0, 0);
  desktop_.SendMessage(window, WM_LBUTTONUP, 0, 0);
  return InputResult::kDelivered;
}

InputResult UserInput::DoubleClick(HWND window) {
  const InputResult pressed = PressOn(window);
  if (pressed != InputResult::kDelivered) return pressed;
  desktop_.SendMessage(window, WM_LBUTTONDOWN, 0, 0);
  desktop_.SendMessage(window, WM_LBUTTONUP, 0, 0);
  desktop_.SendMessage(window, WM_LBUTTONDBLCLK, 0, 0);
  desktop_.SendMessage(window, WM_LBUTTONUP, 0, 0);
  return InputResult::kDelivered;
}

bool UserInput::IsComboBox(HWND window) const {
  const SimWindow* target = desktop_.tree().Find(window);
  return target != nullptr && target->class_key == "combobox";
}

bool UserInput::IsSingleLineEdit(HWND window) const {
  const SimWindow* target = desktop_.tree().Find(window);
  return target != nullptr && target->class_key == "edit" && (target->style & ES_MULTILINE) == 0;
}

void UserInput::NotifyParent(HWND control, UINT code) {
  const SimWindow* target = desktop_.tree().Find(control);
  if (target == nullptr || !target->is_child()) return;
  desktop_.SendMessage(target->parent, WM_COMMAND,
                       MakeWParam(static_cast<unsigned>(target->control_id), code),
                       static_cast<LPARAM>(control));
}

// Any class that is not a combo box is taken for a list box or a superclass of one; a click
// below the last item selects nothing and notifies no one.
InputResult UserInput::Select(HWND list, int index) {
  const InputResult pressed = PressOn(list);
  if (pressed != InputResult::kDelivered) return pressed;
  const auto item = static_cast<WPARAM>(index);
  if (IsComboBox(list)) {
    if (desktop_.SendMessage(list, CB_SETCURSEL, item, 0) != CB_ERR) {
      NotifyParent(list, CBN_SELCHANGE);
    }
  } else if (desktop_.SendMessage(list, LB_SETCURSEL, item, 0) != LB_ERR) {
    NotifyParent(list, LBN_SELCHANGE);
  }
  return InputResult::kDelivered;
}

InputResult UserInput::DoubleClickItem(HWND list, int index) {
  const InputResult selected = Select(list, index);
  if (selected != InputResult::kDelivered) return selected;
  NotifyParent(list, LBN_DBLCLK);
  return InputResult::kDelivered;
}

// The text typed is one change, told to the parent once. A combo box forwards the text to its
// edit field and its parent hears CBN_EDITCHANGE; a single-line edit tells its parent of the new
// text itself.
InputResult UserInput::Type(HWND edit, std::string_view text) {
  const InputResult allowed = desktop_.CanTakeInput(edit);
  if (allowed != InputResult::kDelivered) return allowed;
  desktop_.SetWindowText(edit, text);
  if (IsComboBox(edit)) {
    NotifyParent(edit, CBN_EDITCHANGE);
  } else if (!IsSingleLineEdit(edit)) {
    NotifyParent(edit, EN_CHANGE);
  }
  return InputResult::kDelivered;
}

InputResult UserInput::Key(HWND window, WPARAM virtual_key) {
  const InputResult allowed = desktop_.CanTakeInput(window);
  if (allowed != InputResult::kDelivered) return allowed;
  desktop_.SendMessage(window, WM_KEYDOWN, virtual_key, kKeyDownFlags);
  if (const char character = CharacterOf(virtual_key)) {
    desktop_.SendMessage(window, WM_CHAR, static_cast<unsigned char>(character), kKeyDownFlags);
  }
  desktop_.SendMessage(window, WM_KEYUP, virtual_key, kKeyUpFlags);
  return InputResult::kDelivered;
}

InputResult UserInput::Close(HWND top_level) {
  const InputResult allowed = desktop_.CanTakeInput(top_level);
  if (allowed != InputResult::kDelivered) return allowed;
  desktop_.SendMessage(top_level, WM_CLOSE, 0, 0);
  return InputResult::kDelivered;
}

InputResult UserInput::ChooseMenuCommand(HWND popup, UINT command_id) {
  PopupMenuHandler* handler = desktop_.PopupOf(popup);
  if (handler == nullptr) return InputResult::kNoWindow;
  desktop_.loop().NoteActivity();
  return handler->Choose(popup, command_id);
}

}  // namespace winsys::sim
