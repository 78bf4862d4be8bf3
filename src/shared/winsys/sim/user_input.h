#pragma once
// Input as a person gives it: clicks, selections, typing, keys and the close box. Each is refused
// (and nothing is sent) when the window could not take it: gone, disabled or under a disabled
// parent, hidden, or under a modal window of its program. A click on a window of an inactive
// top-level window activates that window first, as a click does on Windows.

#include <string_view>

#include "shared/winsys/sim/desktop_impl.h"

namespace winsys::sim {

class UserInput {
 public:
  explicit UserInput(SimDesktop::Impl& desktop) : desktop_(desktop) {}

  InputResult Click(HWND window);
  InputResult DoubleClick(HWND window);
  InputResult Select(HWND list, int index);
  InputResult DoubleClickItem(HWND list, int index);
  InputResult Type(HWND edit, std::string_view text);
  InputResult Key(HWND window, WPARAM virtual_key);
  InputResult Close(HWND top_level);
  InputResult ChooseMenuCommand(HWND popup, UINT command_id);

 private:
  // The checks and the activation a mouse click brings; kDelivered when the click may go on.
  InputResult PressOn(HWND window);
  bool IsComboBox(HWND window) const;
  bool IsSingleLineEdit(HWND window) const;
  void NotifyParent(HWND control, UINT code);

  SimDesktop::Impl& desktop_;
};

}  // namespace winsys::sim
