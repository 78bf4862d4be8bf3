#include "aol_automation/text_case.h"

namespace vornik32 {
namespace {

constexpr unsigned char kMultiplicationSign = 0xD7;  // between the accented capitals, no letter

// The capitals outside A-Z and 0xC0-0xDE and their small letters.
unsigned char LowerOfScatteredCapital(unsigned char c) {
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

}  // namespace

char LowerCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + ('a' - 'A'));
  if (byte >= 0xC0 && byte <= 0xDE && byte != kMultiplicationSign) {
    return static_cast<char>(byte + 0x20);
  }
  return static_cast<char>(LowerOfScatteredCapital(byte));
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerCase(c);
  return result;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerCase(a[i]) != LowerCase(b[i])) return false;
  }
  return true;
}

}  // namespace vornik32
