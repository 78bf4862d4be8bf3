#pragma once
// A toolbar strip ("ToolbarWindow32") across a form; it holds nothing of its own.

#include "shared/ui/control.h"

namespace ui {

class Toolbar : public Control {
 public:
  Toolbar(Container& container, std::string name, const TwipsRect& position,
          Visibility visibility = Visibility::kVisible);

 private:
  const char* class_name() const override { return "ToolbarWindow32"; }
  winsys::DWORD class_style() const override { return 0; }
};

}  // namespace ui
