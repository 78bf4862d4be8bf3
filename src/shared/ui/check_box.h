#pragma once
// A check box ("Button", BS_AUTOCHECKBOX): a person's click ticks or clears it. Its state lives
// in the window, where the person changes it, and goes back to clear when the form unloads.

#include "shared/ui/captioned_control.h"

namespace ui {

class CheckBox : public CaptionedControl {
 public:
  CheckBox(Container& container, std::string name, std::string caption, const TwipsRect& position,
           Visibility visibility = Visibility::kVisible);

  // Cleared while the form is not loaded.
  bool checked() const override;

 private:
  const char* class_name() const override { return "Button"; }
  winsys::DWORD class_style() const override;
};

}  // namespace ui
