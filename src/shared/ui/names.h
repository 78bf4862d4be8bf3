#pragma once
// Design names (forms, controls, menu entries) compare without regard to letter case, as the
// names of the form designer do: "Command1" and "command1" are one control.

#include <string_view>

namespace ui {

bool SameName(std::string_view a, std::string_view b);

}  // namespace ui
