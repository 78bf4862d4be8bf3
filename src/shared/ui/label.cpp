#include "shared/ui/label.h"

namespace ui {

Label::Label(Container& container, std::string name, std::string caption, const TwipsRect& position,
             Visibility visibility)
    : CaptionedControl(container, std::move(name), Kind::kLabel, std::move(caption), position,
                       visibility) {}

}  // namespace ui
