#pragma once
// A push button ("Button"); on_click fires on its BN_CLICKED notification, that is when a person
// clicks it (or presses it with the space bar) while it and its form take input.

#include <functional>

#include "shared/ui/captioned_control.h"

namespace ui {

class Button : public CaptionedControl {
 public:
  Button(Container& container, std::string name, std::string caption, const TwipsRect& position,
         Visibility visibility = Visibility::kVisible);

  std::function<void()> on_click;

 private:
  const char* class_name() const override { return "Button"; }
  winsys::DWORD class_style() const override;
  void OnCommand(unsigned code) override;
};

}  // namespace ui
