#pragma once
// The edge between the 8-bit texts of windows (Windows-1252) and UTF-8, which scenario files, the
// terminal and saved captures of the client speak.

#include <string>
#include <string_view>

namespace winsys {

// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Bytes that Windows-1252 leaves undefined become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace winsys
