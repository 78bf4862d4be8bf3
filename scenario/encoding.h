#pragma once
// The edge between the system's 8-bit texts (Windows-1252) and the UTF-8 of scenario files and
// the terminal: the window system's conversion, under the runner's names.

#include "shared/winsys/text_encoding.h"

namespace scenario {

using winsys::Cp1252ToUtf8;
using winsys::Utf8ToCp1252;

}  // namespace scenario
