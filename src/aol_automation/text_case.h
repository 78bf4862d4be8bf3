#pragma once
// Letter case in the client's 8-bit character set (Windows-1252), where comparisons "without
// regard to case" must also fold the accented capitals, as the client's own lower-casing does.

#include <string>
#include <string_view>

namespace vornik32 {

char LowerCase(char c);
std::string LowerCase(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vornik32
