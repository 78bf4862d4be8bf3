#include "aolsim/records.h"

#include <cctype>

namespace aolsim {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string Normalized(std::string_view name) {
  std::string result;
  for (const char c : name) {
    if (c == ' ') continue;
    result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return result;
}

}  // namespace

std::vector<Recipient> ParseRecipients(std::string_view text) {
  std::vector<Recipient> recipients;
  while (true) {
    const std::size_t comma = text.find(',');
    std::string_view entry = TrimBlanks(text.substr(0, comma));
    RecipientKind kind = RecipientKind::kDirect;
    if (entry.size() >= 2 && entry.front() == '(' && entry.back() == ')') {
      kind = RecipientKind::kBlindCopy;
      entry = TrimBlanks(entry.substr(1, entry.size() - 2));
    }
    if (!entry.empty()) recipients.push_back(Recipient{std::string(entry), kind});
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return recipients;
}

bool SameScreenName(std::string_view a, std::string_view b) {
  return Normalized(a) == Normalized(b);
}

template <typename T>
void Journal::Keep(std::vector<T>& records, T record) {
  records.push_back(std::move(record));
  if (callback_) callback_(ClientEvent(records.back()));
}

void Journal::Record(Delivery delivery) {
  Keep(deliveries_, std::move(delivery));
}
void Journal::Record(ChatLine line) {
  Keep(chat_lines_, std::move(line));
}
void Journal::Record(InstantMessage message) {
  Keep(instant_messages_, std::move(message));
}
void Journal::Record(VisitedAddress address) {
  Keep(visited_, std::move(address));
}
void Journal::Record(MailDeletion deletion) {
  Keep(deletions_, std::move(deletion));
}
void Journal::Record(FlashSessionEnd end) {
  Keep(flash_sessions_, std::move(end));
}

}  // namespace aolsim
