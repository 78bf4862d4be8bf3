#pragma once
// The text functions the whole program shares. Texts are 8-bit strings in the client's character
// set; lines are cut at carriage returns, and line feeds are dropped from every line taken out.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace vornik32 {

inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';
// The client takes no screen name longer than this.
inline constexpr std::size_t kLongestScreenName = 16;

// Called once for every replacement ReplaceText makes, so that long edits keep the program's
// windows answering.
using Yield = std::function<void()>;

// The number of carriage returns, plus one when something other than line feeds follows the last
// of them (0 for the empty text).
int LineCount(std::string_view text);
// Whether what follows the last carriage return counts as a line: it holds more than line feeds.
bool HasOpenLastLine(std::string_view text);

// Line number line (from 1) without carriage returns and line feeds; the empty text for a number
// outside 1 .. LineCount(text).
std::string GetLine(std::string_view text, int line);

// Replaces every occurrence of find in text, the first one each time, searching from the start
// again after each replacement, and yields once per replacement. Returns the changed text.
std::string ReplaceText(std::string& text, std::string_view find, std::string_view replacement,
                        const Yield& yield);
std::string ReplaceText(winsys::WindowSystem& ws, std::string& text, std::string_view find,
                        std::string_view replacement);

// A screen name has 3 to 16 characters, blanks counted, and at least 3 that are not blanks. A text
// of the right length loses its blanks (the caller's text is changed) before the second test.
bool IsValidScreenName(std::string& text, const Yield& yield);
bool IsValidScreenName(winsys::WindowSystem& ws, std::string& text);

}  // namespace vornik32
