#include "serving_loop/pending_requests.h"

#include <algorithm>
#include <set>

#include "aol_automation/text_lines.h"
#include "serving_engine/request_queue.h"
#include "serving_engine/whole_number.h"
#include "serving_loop/item_entry.h"

namespace serving_loop {

namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr std::string_view kRecipientListCharacters = "(),";

bool IsServableRequester(std::string_view requester) {
  return requester.size() <= vornik32::kLongestScreenName &&
         requester.find_first_not_of(' ') != std::string_view::npos &&
         requester.find_first_of(kRecipientListCharacters) == std::string_view::npos;
}

// One pass over the text: a line ends at CR LF, CR or LF.
std::vector<std::string> Lines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, end - start));
    start = end + 1;
    if (content[end] == vornik32::kCarriageReturn && start < content.size() &&
        content[start] == vornik32::kLineFeed) {
      ++start;
    }
  }
  return lines;
}

}  // namespace

std::string JoinPendingRequests(const std::vector<std::string>& entries) {
  std::string text;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += entries[i];
  }
  return text;
}

bool IsServableItemEntry(std::string_view line) {
  const std::optional<ItemEntry> entry = SplitItemEntry(line);
  return entry && IsServableRequester(entry->requester) &&
         serving_engine::IsWholeNumber(entry->item_text);
}

std::vector<std::string> ServableRequestLines(std::string_view content) {
  std::vector<std::string> servable;
  for (std::string& line : Lines(content)) {
    if (IsServableItemEntry(line)) servable.push_back(std::move(line));
  }
  return servable;
}

std::vector<std::string> LoadableRequests(const serving_engine::RequestQueue& requests,
                                          std::string_view content) {
  std::vector<std::string> loadable;
  std::set<std::string> taken;
  const std::size_t room =
      static_cast<std::size_t>(std::max(0, kMostQueuedRequests - requests.Count()));
  for (std::string& line : ServableRequestLines(content)) {
    if (loadable.size() >= room) break;
    if (requests.Contains(line) || taken.count(line) > 0) continue;
    taken.insert(line);
    loadable.push_back(std::move(line));
  }
  return loadable;
}

int AddLoadedRequests(serving_engine::RequestQueue& requests, std::string_view content) {
  std::vector<std::string> loadable = LoadableRequests(requests, content);
  for (std::string& line : loadable) requests.Append(std::move(line));
  return static_cast<int>(loadable.size());
}

}  // namespace serving_loop
