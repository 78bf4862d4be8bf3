#include "serving_loop/title_search.h"

#include "aol_automation/text_case.h"

namespace serving_loop {

SearchResults SearchTitles(const std::vector<std::string>& titles, std::string_view words,
                           std::int64_t maximum) {
  const std::string wanted = vornik32::LowerCase(words);
  SearchResults results;
  for (std::size_t k = 0; k < titles.size(); ++k) {
    if (vornik32::LowerCase(titles[k]).find(wanted) == std::string::npos) continue;
    ++results.matches;
    results.text += std::to_string(k) + ")  " + titles[k] + "\r\n";
    if (results.matches >= maximum) break;
  }
  return results;
}

}  // namespace serving_loop
