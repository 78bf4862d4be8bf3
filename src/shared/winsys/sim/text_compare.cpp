#include "shared/winsys/sim/text_compare.h"

#include <array>

namespace winsys::sim {
namespace {

constexpr char FoldByRule(char c) {
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

// Every byte's fold, worked out from the rule when the program is built: comparisons look a
// byte up instead.
constexpr std::array<char, 256> FoldTable() {
  std::array<char, 256> folded{};
  for (int byte = 0; byte < 256; ++byte) {
    folded[static_cast<std::size_t>(byte)] = FoldByRule(static_cast<char>(byte));
  }
  return folded;
}

constexpr std::array<char, 256> kFolded = FoldTable();

char Fold(char c) {
  return kFolded[static_cast<unsigned char>(c)];
}

}  // namespace

char FoldCase(char c) {
  return Fold(c);
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

bool MatchesFoldedKey(std::string_view key, std::string_view text) {
  if (key.size() != text.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (key[i] != Fold(text[i])) return false;
  }
  return true;
}

}  // namespace winsys::sim
