#pragma once
// A text on a form ("Static").

#include "shared/ui/captioned_control.h"

namespace ui {

class Label : public CaptionedControl {
 public:
  Label(Container& container, std::string name, std::string caption, const TwipsRect& position,
        Visibility visibility = Visibility::kVisible);

 private:
  const char* class_name() const override { return "Static"; }
  winsys::DWORD class_style() const override { return 0; }
};

}  // namespace ui
