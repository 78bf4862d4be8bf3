#pragma once
// The whole system on one simulated desktop, for the tests of the program's windows (see
// system_harness.h): the harness, and the person's ways with the registry's controls by form and
// control name (selections, typing, keys, closing a window).
//
// Header-only: each test folder that includes it compiles it into its own program.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shared/ui/combo_box.h"
#include "support/layout_name.h"
#include "support/system_harness.h"

namespace tollmere_testing {

class ProgramHarness : public SystemHarness {
 public:
  explicit ProgramHarness(aolsim::Layout layout,
                          const vornik32::WaitBounds& bounds = ShortWaitBounds())
      : SystemHarness(layout, bounds) {}

  // The client signed on, the program started (its reminder box answered).
  void StartSignedOn(std::string_view screen_name = "Ada Reed") {
    client.Start();
    client.SignOn(screen_name);
    program.Start();
    boxes.clear();
  }

  // --- The person at the screen, by form and control name --------------------------------------
  using SystemHarness::Click;
  ui::Element& Element(std::string_view form, std::string_view control) {
    ui::Element* element = registry.Find(form, control);
    if (element == nullptr) throw std::runtime_error("no such control");
    return *element;
  }
  winsys::HWND Window(std::string_view form, std::string_view control) {
    return Element(form, control).hwnd();
  }
  winsys::sim::InputResult Select(std::string_view form, std::string_view control, int index) {
    return desktop.UserSelect(Window(form, control), index);
  }
  winsys::sim::InputResult DoubleClickItem(std::string_view form, std::string_view control,
                                           int index) {
    return desktop.UserDoubleClickItem(Window(form, control), index);
  }
  // Text typed into an edit, or into a combo box's edit.
  winsys::sim::InputResult Type(std::string_view form, std::string_view control,
                                std::string_view text) {
    return desktop.UserType(EditOf(form, control), text);
  }
  winsys::sim::InputResult Enter(std::string_view form, std::string_view control) {
    return desktop.UserKey(EditOf(form, control), winsys::VK_RETURN);
  }
  winsys::sim::InputResult Close(std::string_view form) {
    return desktop.UserClose(Window(form, form));
  }

  std::string Caption(std::string_view form, std::string_view control) {
    return Element(form, control).caption();
  }
  bool Enabled(std::string_view form) {
    ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_loaded() && program_ws.IsWindowEnabled(found->hwnd());
  }
  bool Visible(std::string_view form) {
    ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_visible();
  }

 private:
  winsys::HWND EditOf(std::string_view form, std::string_view control) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&Element(form, control))) {
      return combo->edit_hwnd();
    }
    return Window(form, control);
  }
};

}  // namespace tollmere_testing
