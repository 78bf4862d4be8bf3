#pragma once
// The input box of the Windows build: a small dialog made from an in-memory template, with the
// prompt, an edit field and the buttons OK and Cancel.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace winsys::win32 {

// Runs the dialog modally; the typed text on OK, the empty text on Cancel or close.
std::string RunInputDialog(::HWND owner, std::string_view prompt, std::string_view title,
                           std::string_view default_text);

}  // namespace winsys::win32
