#pragma once
// Comparing class names and captions as the window system does: whole, and without regard to
// case in the desktop's 8-bit character set (Windows-1252), where accented capitals fold too.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace winsys::sim {

namespace text_compare_detail {

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

inline constexpr std::array<char, 256> kFolded = FoldTable();

inline std::uint64_t WordAt(std::string_view text, std::size_t at) {
  std::uint64_t word = 0;
  std::memcpy(&word, text.data() + at, sizeof word);
  return word;
}

}  // namespace text_compare_detail

// The comparisons are here, not out of line: the desktop's searches make one for every window
// they pass, in every waiting loop.
inline char FoldCase(char c) {
  return text_compare_detail::kFolded[static_cast<unsigned char>(c)];
}
std::string FoldCase(std::string_view text);

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// Whether two texts of the same length are the same bytes, eight at a time: a search makes this
// comparison at most of the windows it passes, and class names are mostly 8 to 16 bytes long.
inline bool SameBytes(std::string_view a, std::string_view b) {
  using text_compare_detail::WordAt;
  const std::size_t size = a.size();
  if (size < sizeof(std::uint64_t)) {
    for (std::size_t at = 0; at < size; ++at) {
      if (a[at] != b[at]) return false;
    }
    return true;
  }
  for (std::size_t at = 0; at + sizeof(std::uint64_t) < size; at += sizeof(std::uint64_t)) {
    if (WordAt(a, at) != WordAt(b, at)) return false;
  }
  return WordAt(a, size - sizeof(std::uint64_t)) == WordAt(b, size - sizeof(std::uint64_t));
}

// Whether text, folded, is key (a text folded already), compared in place. From the end: class
// names of the same length mostly share a start ("_AOL_Icon", "_AOL_Edit") and differ last.
inline bool MatchesFoldedKey(std::string_view key, std::string_view text) {
  if (key.size() != text.size()) return false;
  for (std::size_t i = key.size(); i > 0; --i) {
    if (key[i - 1] != FoldCase(text[i - 1])) return false;
  }
  return true;
}

}  // namespace winsys::sim
