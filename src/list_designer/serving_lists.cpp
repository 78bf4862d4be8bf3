#include "list_designer/serving_lists.h"

#include <algorithm>
#include <limits>

#include "aol_automation/mailbox_lines.h"

namespace list_designer {
namespace {

constexpr std::string_view kPrefix{kListSubjectPrefix};

}  // namespace

std::string SubjectOfMailboxLine(std::string_view line) {
  return vornik32::SubjectOfMailboxLine(line);
}

// Backtracking over the last star only: a pattern of literal runs between stars matches when
// each run is found, in order, after the previous one, the first run at the start and the last
// at the end.
bool MatchesPattern(std::string_view text, std::string_view pattern) {
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t star = std::string_view::npos;
  std::size_t resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool IsServingList(std::string_view subject) {
  static const std::string pattern = std::string(kPrefix) + "*";
  return MatchesPattern(subject, pattern);
}

std::int32_t ListNumber(std::string_view subject) {
  if (!subject.starts_with(kPrefix)) return 0;
  constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
  std::int64_t number = 0;
  for (const char c : subject.substr(kPrefix.size())) {
    if (c < '0' || c > '9') break;
    number = std::min(kLargest, number * 10 + (c - '0'));
  }
  return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> ServingListNumber(std::string_view subject) {
  if (!IsServingList(subject)) return std::nullopt;
  return ListNumber(subject);
}

int ListCountFor(int titles) {
  return std::max(titles, 0) / kTitlesPerList + 1;
}

ItemRange ItemsOfList(int list_number, int titles) {
  const int first = (list_number - 1) * kTitlesPerList;
  const bool last_list = list_number >= ListCountFor(titles);
  return {first, last_list ? titles - 1 : first + kTitlesPerList - 1};
}

std::string ListSubject(int list_number) {
  return std::string(kPrefix) + std::to_string(list_number);
}

std::string ListLine(int item_number, std::string_view title) {
  std::string line = std::to_string(item_number);
  line += kItemSeparator;
  line += title;
  return line;
}

std::string ListBody(const std::vector<std::string>& titles, int list_number) {
  const ItemRange range = ItemsOfList(list_number, static_cast<int>(titles.size()));
  std::string body;
  for (int j = range.first; j <= range.last; ++j) {
    body += ListLine(j, titles[static_cast<std::size_t>(j)]);
    if (j != range.last) body += kLineBreak;
  }
  return body;
}

std::string ServingListEntry(std::int32_t list_number, int mailbox_index) {
  return std::to_string(list_number) + "-" + std::to_string(mailbox_index);
}

ServingListPlace SplitServingListEntry(std::string_view entry) {
  const auto dash = entry.find('-');
  if (dash == std::string_view::npos) return {std::string(entry), {}};
  return {std::string(entry.substr(0, dash)), std::string(entry.substr(dash + 1))};
}

ListSet CheckListSet(const std::vector<std::int32_t>& list_numbers) {
  if (list_numbers.empty()) return ListSet::kMissing;
  const std::int32_t highest = *std::max_element(list_numbers.begin(), list_numbers.end());
  return highest == static_cast<std::int64_t>(list_numbers.size()) ? ListSet::kComplete
                                                                   : ListSet::kMissing;
}

bool IsEachListOnce(std::vector<std::int32_t> list_numbers, std::int32_t count) {
  if (static_cast<std::int64_t>(list_numbers.size()) != count) return false;
  std::sort(list_numbers.begin(), list_numbers.end());
  for (std::size_t i = 0; i < list_numbers.size(); ++i) {
    if (list_numbers[i] != static_cast<std::int64_t>(i) + 1) return false;
  }
  return true;
}

std::optional<int> ProgressPercent(int done, int total) {
  if (total <= 0) return std::nullopt;
  const std::int64_t scaled = static_cast<std::int64_t>(done) * 100;
  std::int64_t percent = scaled / total;
  if (scaled % total != 0 && scaled < 0) --percent;  // rounded down, below zero too
  return static_cast<int>(percent);
}

}  // namespace list_designer
