#include "shared/ui/toolbar.h"

namespace ui {

Toolbar::Toolbar(Container& container, std::string name, const TwipsRect& position,
                 Visibility visibility)
    : Control(container, std::move(name), Kind::kToolbar, position, visibility) {}

}  // namespace ui
