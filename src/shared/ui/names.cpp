#include "shared/ui/names.h"

#include <cctype>

namespace ui {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto left = static_cast<unsigned char>(a[i]);
    const auto right = static_cast<unsigned char>(b[i]);
    if (std::tolower(left) != std::tolower(right)) return false;
  }
  return true;
}

}  // namespace ui
