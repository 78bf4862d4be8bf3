#include "serving_engine/chat_intake.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "aol_automation/text_case.h"
#include "serving_engine/transcript_lines.h"
#include "serving_engine/whole_number.h"

namespace serving_engine {

namespace {

constexpr char kCommandStart = '/';
constexpr char kBlank = ' ';
constexpr char kTermSeparator = ',';
constexpr char kRangeSeparator = '-';
// The chat view writes two characters between the sender's colon and the message.
constexpr std::size_t kMessageOffset = 3;
constexpr std::size_t kShortestLine = 3;

constexpr std::string_view kFindVerb = " find ";
constexpr std::string_view kSendVerb = " send ";
constexpr std::string_view kSendListCommand = " send list";
constexpr std::string_view kStatusWord = "status";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlank);
  return text.substr(first, last - first + 1);
}

bool IsBlank(std::string_view text) {
  return TrimBlanks(text).empty();
}

std::string WithoutBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c != kBlank) result.push_back(c);
  }
  return result;
}

// The requester of an entry is the text before its first " - ", so every entry a line makes
// must read back to its sender, or its answer would go to someone else or to nobody. A sender
// that is empty, holds " - ", or ends in " -" (its entries begin " - - ") fails that, and no
// screen name looks like any of them.
bool EntriesReadBackTo(const std::string& sender) {
  if (sender.empty() || RequesterOf(sender) != sender) return false;
  return RequesterOf(sender + kEntrySeparator) == sender;
}

// The entry of an item number asked for in a list or a range: the number as a plain number.
std::string ItemEntry(const std::string& sender, std::int64_t number) {
  // Written in place: a range line makes one for each of up to 32,767 numbers.
  const std::string_view separator = kEntrySeparator;
  std::array<char, 24> digits{};
  const char* const digits_end =
      std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  std::string entry(
      sender.size() + separator.size() + static_cast<std::size_t>(digits_end - digits.data()),
      '\0');
  char* out = std::copy(sender.begin(), sender.end(), entry.data());
  out = std::copy(separator.begin(), separator.end(), out);
  std::copy(static_cast<const char*>(digits.data()), digits_end, out);
  return entry;
}

bool IsControl(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7F;
}

// The message with every control character made a blank.
std::string WithControlsAsBlanks(std::string_view message) {
  std::string text(message);
  std::replace_if(text.begin(), text.end(), IsControl, kBlank);
  return text;
}

// What the chat view can have written before a colon: a screen name, not a text a member typed.
bool CanBeScreenName(std::string_view sender) {
  return sender.size() <= kLongestScreenName &&
         std::none_of(sender.begin(), sender.end(), IsControl);
}

}  // namespace

ChatIntake::ChatIntake(RequestQueues queues, IntakeSources& sources)
    : queues_(queues), sources_(sources) {}

void ChatIntake::TakeTranscript(std::string_view transcript, std::string_view own_screen_name) {
  ForEachTranscriptLine(transcript,
                        [&](std::string_view line) { TakeLine(line, own_screen_name); });
}

void ChatIntake::TakeLine(std::string_view line, std::string_view own_screen_name) {
  if (line.size() < kShortestLine) return;
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return;
  const std::string sender(line.substr(0, colon));
  const std::string message = WithControlsAsBlanks(
      colon + kMessageOffset <= line.size() ? line.substr(colon + kMessageOffset) : "");

  if (sender == own_screen_name) return;
  if (!CanBeScreenName(sender) || !EntriesReadBackTo(sender)) return;
  if (sources_.IsBanned(sender)) return;
  if (!sources_.IsInRoom(sender)) return;

  const std::string handle = sources_.ServingHandle();
  const std::string lowered = vornik32::LowerCase(message);
  const std::string addressed = kCommandStart + handle;
  const std::string_view lowered_view(lowered);

  if (lowered_view.starts_with(addressed + std::string(kFindVerb))) {
    TakeFind(sender, message);
  } else if (TrimBlanks(lowered_view) == addressed + std::string(kSendListCommand)) {
    TakeList(sender);
  } else if (lowered_view.starts_with(addressed + kBlank) &&
             lowered_view.find(kStatusWord) != std::string_view::npos) {
    TakeStatus(sender);
  } else if (lowered_view.starts_with(addressed + std::string(kSendVerb))) {
    TakeSend(sender, message);
  }
}

// --- List and status -----------------------------------------------------------------------------

void ChatIntake::TakeList(const std::string& sender) {
  if (queues_.lists.Contains(sender)) return;
  queues_.lists.Append(sender);
}

void ChatIntake::TakeStatus(const std::string& sender) {
  if (queues_.statuss.Contains(sender)) return;
  queues_.statuss.Append(sender);
}

// --- Find ----------------------------------------------------------------------------------------

void ChatIntake::TakeFind(const std::string& sender, std::string_view message) {
  const auto verb = vornik32::LowerCase(message).find(kFindVerb);
  const std::string_view terms = message.substr(verb + kFindVerb.size());
  if (IsBlank(terms)) return;
  if (terms.find(kTermSeparator) == std::string_view::npos) {
    TakeOneFindTerm(sender, terms);
  } else {
    TakeFindTerms(sender, terms);
  }
}

void ChatIntake::TakeOneFindTerm(const std::string& sender, std::string_view terms) {
  if (!UnderFindLimit(sender)) return;
  const std::string_view text = TrimBlanks(terms);
  if (text.size() > kLongestSearchText) return;
  const std::string entry = sender + kEntrySeparator + std::string(text);
  if (queues_.finds.Contains(entry)) return;
  queues_.finds.Append(entry);
}

void ChatIntake::TakeFindTerms(const std::string& sender, std::string_view terms) {
  std::string_view rest = terms;
  bool last = false;
  for (std::size_t walked = 0; !last && walked < kMostFindTerms; ++walked) {
    if (!UnderFindLimit(sender)) return;
    const auto comma = rest.find(kTermSeparator);
    std::string_view term = rest.substr(0, comma);
    last = comma == std::string_view::npos;
    if (!last) rest = rest.substr(comma + 1);
    term = TrimBlanks(term);
    if (term.empty() || term.size() > kLongestSearchText) continue;
    // Every term but the last is lower-cased.
    const std::string text = last ? std::string(term) : vornik32::LowerCase(term);
    const std::string entry = sender + kEntrySeparator + text;
    if (queues_.finds.Contains(entry)) continue;
    queues_.finds.Append(entry);
  }
}

// --- Send ----------------------------------------------------------------------------------------

void ChatIntake::TakeSend(const std::string& sender, std::string_view message) {
  const auto verb = vornik32::LowerCase(message).find(kSendVerb);
  const std::string items = WithoutBlanks(message.substr(verb + kSendVerb.size()));
  if (items.empty()) return;
  const bool one_token = items.find(kTermSeparator) == std::string::npos;
  if (one_token) {
    if (items.find(kRangeSeparator) != std::string::npos) {
      TakeRange(sender, items);
    } else {
      TakeLoneNumber(sender, items);
    }
    return;
  }
  std::string_view rest = items;
  bool last = false;
  for (std::size_t walked = 0; !last && walked < kMostItemTokens; ++walked) {
    const auto comma = rest.find(kTermSeparator);
    const std::string token(rest.substr(0, comma));
    last = comma == std::string_view::npos;
    if (!last) rest = rest.substr(comma + 1);
    if (token.empty()) continue;
    const bool go_on = token.find(kRangeSeparator) != std::string::npos
                           ? TakeRange(sender, token)
                           : TakeListNumber(sender, token);
    if (!go_on) return;
  }
}

void ChatIntake::TakeLoneNumber(const std::string& sender, const std::string& token) {
  if (!UnderItemLimit(sender)) return;
  if (!IsWholeNumber(token) || token.size() > kLongestTypedNumber) return;
  // A number asked for alone is queued as typed (007 stays 007).
  const std::string entry = sender + kEntrySeparator + token;
  if (queues_.requests.Contains(entry)) return;
  if (sources_.IsValidNumber(WholeNumberValue(token))) queues_.requests.Append(entry);
}

bool ChatIntake::TakeListNumber(const std::string& sender, const std::string& token) {
  if (!UnderItemLimit(sender)) return false;
  if (!IsWholeNumber(token)) return false;
  const std::int64_t value = WholeNumberValue(token);
  if (value > sources_.MailCount() - 1) return true;
  std::string entry = ItemEntry(sender, value);
  if (queues_.requests.Contains(entry)) return true;
  if (sources_.IsValidNumber(value)) queues_.requests.Append(std::move(entry));
  return true;
}

bool ChatIntake::TakeRange(const std::string& sender, const std::string& token) {
  const auto dash = token.find(kRangeSeparator);
  const std::string_view first = std::string_view(token).substr(0, dash);
  const std::string_view last = std::string_view(token).substr(dash + 1);
  if (!IsWholeNumber(first) || !IsWholeNumber(last)) return false;
  if (CompareWholeNumbers(first, last) > 0) return false;
  // No number above the mail list's last can be valid, so the walk ends there.
  const std::int64_t end = std::min(WholeNumberValue(last), sources_.MailCount() - 1);
  const std::int64_t start = WholeNumberValue(first);
  // Queued together, so that the count is shown once for the range, not once for each entry.
  // Every entry counts against the sender's limit: the line was taken only because its entries
  // read back to its sender.
  std::int64_t room = sources_.ItemRequestLimit() - queues_.requests.PendingFor(sender);
  std::vector<std::string> entries;
  entries.reserve(
      static_cast<std::size_t>(std::max<std::int64_t>(0, std::min(room, end - start + 1))));
  bool under_limit = true;
  for (std::int64_t k = start; k <= end; ++k) {
    if (room <= 0) {
      under_limit = false;
      break;
    }
    // Numbers from a range are not tested for duplicates.
    if (!sources_.IsValidNumber(k)) continue;
    entries.push_back(ItemEntry(sender, k));
    --room;
  }
  queues_.requests.AppendAll(std::move(entries));
  return under_limit;
}

bool ChatIntake::UnderItemLimit(const std::string& sender) const {
  return queues_.requests.PendingFor(sender) < sources_.ItemRequestLimit();
}

bool ChatIntake::UnderFindLimit(const std::string& sender) const {
  return queues_.finds.PendingFor(sender) < sources_.FindRequestLimit();
}

}  // namespace serving_engine
