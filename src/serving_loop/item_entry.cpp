#include "serving_loop/item_entry.h"

#include <limits>

#include "serving_engine/request_queue.h"
#include "serving_engine/whole_number.h"

namespace serving_loop {

std::optional<ItemEntry> SplitItemEntry(std::string_view entry) {
  const std::string_view separator = serving_engine::kEntrySeparator;
  const auto at = entry.find(separator);
  if (at == std::string_view::npos) return std::nullopt;
  return ItemEntry{entry.substr(0, at), entry.substr(at + separator.size())};
}

std::optional<int> MailboxPosition(std::string_view item_text, std::int32_t item_offset) {
  if (!serving_engine::IsWholeNumber(item_text)) return std::nullopt;
  const std::int64_t number = serving_engine::WholeNumberValue(item_text);
  constexpr std::int64_t kLastPosition = std::numeric_limits<int>::max();
  if (number > kLastPosition - item_offset) return std::nullopt;
  const std::int64_t position = number + item_offset;
  if (position < 0) return std::nullopt;
  return static_cast<int>(position);
}

}  // namespace serving_loop
