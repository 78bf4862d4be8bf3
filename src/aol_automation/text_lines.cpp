#include "aol_automation/text_lines.h"

#include <algorithm>

namespace vornik32 {
namespace {

constexpr std::size_t kShortestScreenName = 3;

// Where line number line (from 1) starts: after the (line - 1)-th carriage return.
std::size_t LineStart(std::string_view text, int line) {
  std::size_t start = 0;
  for (int passed = 1; passed < line; ++passed) {
    start = text.find(kCarriageReturn, start) + 1;
  }
  return start;
}

// Without the repeated search from the start: for a replacement that holds the text to find, a
// search from the start would find its own replacement again and never end.
void ReplaceInOnePass(std::string& text, std::string_view find, std::string_view replacement,
                      const Yield& yield) {
  std::size_t at = text.find(find);
  while (at != std::string::npos) {
    text.replace(at, find.size(), replacement);
    if (yield) yield();
    at = text.find(find, at + replacement.size());
  }
}

}  // namespace

// Counting only by the last character would lose a last line ended by a bare line feed
// ("a\rb\n"), or the whole of a text whose lines end in line feeds alone.
bool HasOpenLastLine(std::string_view text) {
  const std::size_t last_return = text.rfind(kCarriageReturn);
  const std::string_view rest =
      last_return == std::string_view::npos ? text : text.substr(last_return + 1);
  return rest.find_first_not_of(kLineFeed) != std::string_view::npos;
}

int LineCount(std::string_view text) {
  const auto returns = std::count(text.begin(), text.end(), kCarriageReturn);
  return static_cast<int>(returns) + (HasOpenLastLine(text) ? 1 : 0);
}

std::string GetLine(std::string_view text, int line) {
  if (line < 1 || line > LineCount(text)) return {};
  const std::size_t start = LineStart(text, line);
  const std::size_t end = std::min(text.find(kCarriageReturn, start), text.size());
  std::string result;
  result.reserve(end - start);
  for (std::size_t i = start; i < end; ++i) {
    if (text[i] != kLineFeed) result.push_back(text[i]);
  }
  return result;
}

std::string ReplaceText(std::string& text, std::string_view find, std::string_view replacement,
                        const Yield& yield) {
  // An empty text to find is found everywhere, forever: there is nothing to replace.
  if (find.empty()) return text;
  if (replacement.find(find) != std::string_view::npos) {
    ReplaceInOnePass(text, find, replacement, yield);
    return text;
  }
  for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find)) {
    text.replace(at, find.size(), replacement);
    if (yield) yield();
  }
  return text;
}

std::string ReplaceText(winsys::WindowSystem& ws, std::string& text, std::string_view find,
                        std::string_view replacement) {
  return ReplaceText(text, find, replacement, [&ws] { ws.DoEvents(); });
}

bool IsValidScreenName(std::string& text, const Yield& yield) {
  if (text.size() < kShortestScreenName || text.size() > kLongestScreenName) return false;
  ReplaceText(text, " ", "", yield);
  return text.size() >= kShortestScreenName;
}

bool IsValidScreenName(winsys::WindowSystem& ws, std::string& text) {
  return IsValidScreenName(text, [&ws] { ws.DoEvents(); });
}

}  // namespace vornik32
