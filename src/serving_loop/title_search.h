#pragma once
// The search of a find request: the titles on offer that hold the search text, without regard
// to letter case, numbered by their item numbers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace serving_loop {

struct SearchResults {
  int matches = 0;
  // One line per match in item order: the item number, ")  ", the title, CR LF.
  std::string text;
};

// Every title that holds the search text as a plain substring (letter case folded as the
// client's character set folds it; no word boundaries, no wildcards), up to the maximum. The
// count is tested after each match, so a maximum below 1 (a limit typed as -5 is let through by
// the settings menu) returns the first match alone.
SearchResults SearchTitles(const std::vector<std::string>& titles, std::string_view words,
                           std::int64_t maximum);

}  // namespace serving_loop
