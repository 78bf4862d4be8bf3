#include "serving_loop/pending_requests.h"

#include "aol_automation/text_lines.h"
#include "serving_engine/request_queue.h"
#include "serving_engine/whole_number.h"
#include "serving_loop/item_entry.h"

namespace serving_loop {

namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr std::string_view kRecipientListCharacters = "(),";

bool IsServableRequester(std::string_view requester) {
  return requester.find_first_not_of(' ') != std::string_view::npos &&
         requester.find_first_of(kRecipientListCharacters) == std::string_view::npos;
}

// One pass over the text; LineCount and GetLine read the same lines, each from the start.
std::vector<std::string> Lines(std::string_view content) {
  const int count = vornik32::LineCount(content);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  std::string line;
  for (const char c : content) {
    if (static_cast<int>(lines.size()) == count) break;
    if (c == vornik32::kCarriageReturn) {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != vornik32::kLineFeed) {
      line.push_back(c);
    }
  }
  if (static_cast<int>(lines.size()) < count) lines.push_back(std::move(line));
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

int AddLoadedRequests(serving_engine::RequestQueue& requests, std::string_view content) {
  int added = 0;
  for (std::string& line : ServableRequestLines(content)) {
    if (requests.Count() >= kMostQueuedRequests) break;
    if (requests.Contains(line)) continue;
    requests.Append(std::move(line));
    ++added;
  }
  return added;
}

}  // namespace serving_loop
