#pragma once
// The edge between the system's 8-bit texts (Windows-1252) and the UTF-8 of scenario files and
// the terminal.

#include <string>
#include <string_view>

namespace scenario {

// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Bytes that Windows-1252 leaves undefined become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace scenario
