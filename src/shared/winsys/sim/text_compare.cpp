#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 0x20);
  // Latin capitals with accents, except the multiplication sign.
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
  switch (byte) {
    case 0x8A:  // S caron
    case 0x8C:  // OE ligature
    case 0x8E:  // Z caron
      return static_cast<char>(byte + 0x10);
    case 0x9F:  // Y diaeresis
      return static_cast<char>(0xFF);
    default:
      return c;
  }
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace winsys::sim
