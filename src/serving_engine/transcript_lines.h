#pragma once
// Cutting a chat transcript into its lines in one pass, exactly as the shared text functions
// count and cut them (LineCount, GetLine): lines end at carriage returns, line feeds are dropped
// from every line, and the text after the last carriage return is a line when it holds more than
// line feeds. Taking line i with GetLine costs
// a walk from the start each time; a five-second transcript of a busy room has thousands.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace serving_engine {

// Calls take(line) for every line, in order, with a view that lasts until take returns.
template <typename Take>
void ForEachTranscriptLine(std::string_view transcript, Take take) {
  constexpr char kCarriageReturn = '\r';
  constexpr char kLineFeed = '\n';
  if (transcript.empty()) return;
  const std::size_t last_return = transcript.rfind(kCarriageReturn);
  const std::string_view rest =
      last_return == std::string_view::npos ? transcript : transcript.substr(last_return + 1);
  const bool open_last_line = rest.find_first_not_of(kLineFeed) != std::string_view::npos;
  std::size_t start = 0;
  std::string line;
  for (;;) {
    const auto end = transcript.find(kCarriageReturn, start);
    if (end == std::string_view::npos && !open_last_line) return;
    const std::string_view raw = end == std::string_view::npos
                                     ? transcript.substr(start)
                                     : transcript.substr(start, end - start);
    line.clear();
    std::copy_if(raw.begin(), raw.end(), std::back_inserter(line),
                 [](char c) { return c != kLineFeed; });
    take(std::string_view(line));
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

}  // namespace serving_engine
