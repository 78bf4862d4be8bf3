#pragma once
// An entry of the item queue, "requester - item number", as the serving loop and the
// pending-requests file read it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace serving_loop {

struct ItemEntry {
  std::string_view requester;  // the text before the first " - "
  std::string_view item_text;  // everything after it, as queued ("12", "012")
};

// The two halves of an entry, viewing into it; nothing when it has no " - ".
std::optional<ItemEntry> SplitItemEntry(std::string_view entry);

// The mailbox position an item text names: its value plus the item offset. Nothing when the text
// is not a whole number (digits only) or the position would lie beyond what a mailbox can hold,
// so that no entry is ever served from a position the text does not mean.
std::optional<int> MailboxPosition(std::string_view item_text, std::int32_t item_offset);

}  // namespace serving_loop
