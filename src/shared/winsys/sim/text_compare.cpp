#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

}  // namespace winsys::sim
