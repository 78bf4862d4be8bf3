#include "shared/ui/element.h"

namespace ui {

std::string_view ToString(Kind kind) {
  switch (kind) {
    case Kind::kForm:
      return "form";
    case Kind::kButton:
      return "button";
    case Kind::kListBox:
      return "list";
    case Kind::kComboBox:
      return "combo";
    case Kind::kTextBox:
      return "text";
    case Kind::kLabel:
      return "label";
    case Kind::kFrame:
      return "frame";
    case Kind::kStatusBar:
      return "status bar";
    case Kind::kProgressBar:
      return "progress bar";
    case Kind::kToolbar:
      return "toolbar";
    case Kind::kTimer:
      return "timer";
    case Kind::kMenuEntry:
      return "menu entry";
  }
  return "element";
}

}  // namespace ui
