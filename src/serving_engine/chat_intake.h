#pragma once
// The chat command intake: turns the lines members typed into the room into entries of the four
// request queues. It reads everything it judges by (handle, limits, ban list, size of the mail
// list) from its sources at the moment it needs it and keeps no state between transcripts.
//
// A chat line is the sender, a colon, the chat view's two separator characters and the message.
// Commands, tried in this order on the message, each addressed to the serving handle h:
//   "/h find WORDS"   one search text, or several separated by commas
//   "/h send list"    blanks around it are allowed
//   "/h ... status"   anything after "/h " that contains "status"
//   "/h send ITEMS"   a number, a range a-b, or a comma list of numbers and ranges
// Nothing is ever answered: a line that fails a test is dropped, keeping what it queued before.
//
// Choices made here:
// - A number is a run of the decimal digits 0-9 and nothing else. "4.5", "+4", "4e2" or "0x4"
//   are not numbers: a lone token or a list token like that drops the rest of the line, as does
//   a range end like that. Numbers are read without overflow: one too large for 64 bits (a
//   40-digit number, say) stays far above any valid item number, so it is simply out of range.
// - A limit of 0 or less admits nothing: a requester's pending count is never below it.
// - A line is taken only from a sender whose entries read back to that sender: the requester of
//   an entry is the text before its first " - ", so a sender that is empty, holds " - " or ends
//   in " -" would queue entries naming someone else, or nobody.
// - A line is admitted against the queues as they stood when it was read: nothing runs between
//   its tokens or terms, nor between the lines of one read. Were a serving tick let in there, an
//   item served in the middle of a line would be admitted again by the line's next "1", and the
//   line would hold every later one (and the next read) for as long as the serving took.
// - One line is bounded however long it is: a send line looks at its first kMostItemTokens
//   tokens, a find line at its first kMostFindTerms terms; what follows them is dropped. A range
//   is one token and still queues up to the limit.
// - What an answer echoes into the room is bounded, so that no answer outgrows the longest line
//   the room carries: a search text of more than kLongestSearchText characters (no title needs
//   more) is skipped like an empty one, and a number asked for alone, queued as typed, is no
//   number when it is longer than kLongestTypedNumber characters ("0000000000007").
// - A control character inside a message (a NUL, a bell, a tab) is a blank: it never ends the
//   line or the read, and never reaches an entry, so no answer posts it back into the room.
// - A sender is what the chat view writes for a member: at most kLongestScreenName characters,
//   none of them a control character, and a member of the room when the transcript was read. A
//   carriage return a member types inside a message starts a line of the transcript that names
//   whoever the member chose; a name that is no member now cannot be such a line's own.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "serving_engine/request_queue.h"

namespace serving_engine {

// What the intake reads, asked afresh at each use.
class IntakeSources {
 public:
  virtual ~IntakeSources() = default;
  // The handle requesters address, in lower case.
  virtual std::string ServingHandle() const = 0;
  virtual std::int64_t ItemRequestLimit() const = 0;
  virtual std::int64_t FindRequestLimit() const = 0;
  // Whether lines from this sender are ignored (the ban list, while it is in use).
  virtual bool IsBanned(std::string_view sender) const = 0;
  // How many titles the mail list holds: item numbers run from 0 to this minus 1.
  virtual std::int64_t MailCount() const = 0;
  // Whether the number names an item of the mail list.
  virtual bool IsValidNumber(std::int64_t number) const = 0;
  // Whether the sender is in the room now, as its member list shows.
  virtual bool IsInRoom(std::string_view sender) const = 0;
};

inline constexpr std::size_t kMostItemTokens = 100;
inline constexpr std::size_t kMostFindTerms = 20;
inline constexpr std::size_t kLongestScreenName = 16;
inline constexpr std::size_t kLongestSearchText = 64;
inline constexpr std::size_t kLongestTypedNumber = 10;

class ChatIntake {
 public:
  ChatIntake(RequestQueues queues, IntakeSources& sources);

  // Takes every line of a transcript (lines end at carriage returns; line feeds are dropped).
  // own_screen_name is the signed-on user's, whose lines are never requests.
  void TakeTranscript(std::string_view transcript, std::string_view own_screen_name);

  // One chat line, as the room shows it.
  void TakeLine(std::string_view line, std::string_view own_screen_name);

 private:
  void TakeList(const std::string& sender);
  void TakeStatus(const std::string& sender);
  void TakeFind(const std::string& sender, std::string_view message);
  void TakeOneFindTerm(const std::string& sender, std::string_view terms);
  void TakeFindTerms(const std::string& sender, std::string_view terms);
  void TakeSend(const std::string& sender, std::string_view message);
  void TakeLoneNumber(const std::string& sender, const std::string& token);
  // Each answers whether the rest of the line is still to be taken.
  bool TakeListNumber(const std::string& sender, const std::string& token);
  bool TakeRange(const std::string& sender, const std::string& token);
  bool UnderItemLimit(const std::string& sender) const;
  bool UnderFindLimit(const std::string& sender) const;

  RequestQueues queues_;
  IntakeSources& sources_;
};

}  // namespace serving_engine
