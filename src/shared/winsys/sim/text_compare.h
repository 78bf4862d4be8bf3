#pragma once
// Comparing class names and captions as the window system does: whole, and without regard to
// case in the desktop's 8-bit character set (Windows-1252), where accented capitals fold too.

#include <string>
#include <string_view>

namespace winsys::sim {

char FoldCase(char c);
std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Whether text, folded, is key (a text folded already), compared in place: searches by class
// compare the name asked for with every window they pass, in every waiting loop.
bool MatchesFoldedKey(std::string_view key, std::string_view text);

}  // namespace winsys::sim
