#pragma once
// Cutting a chat transcript into its lines in one pass, exactly as the shared text functions
// count and cut them (LineCount, GetLine): lines end at carriage returns, line feeds are dropped
// from every line, and the text after the last carriage return is a line when it holds more than
// line feeds. Taking line i with GetLine costs a walk from the start each time; a five-second
// transcript of a busy room has thousands.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "aol_automation/text_lines.h"

namespace serving_engine {

// Calls take(line) for every line, in order, with a view that lasts until take returns.
template <typename Take>
void ForEachTranscriptLine(std::string_view transcript, Take take) {
  using vornik32::kCarriageReturn;
  using vornik32::kLineFeed;
  if (transcript.empty()) return;
  const bool open_last_line = vornik32::HasOpenLastLine(transcript);
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
