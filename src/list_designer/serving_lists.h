#pragma once
// The serving-list data in its pure form: how a mailbox line gives its subject, how the titles
// are split into lists of 300, what a list mail's subject and body are, and how a list mail is
// recognised again in the mailbox. No windows here; the List Designer drives the client and
// keeps the results in its hidden lists.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "serving_engine/chat_lines.h"

namespace list_designer {

// The byte that begins every line the program posts, and every list mail's subject.
using serving_engine::kBullet;
inline constexpr int kTitlesPerList = 300;
// A list box counts its entries in 16 bits, so this is the most titles MailList can hold.
inline constexpr int kMaxTitles = 32767;
// Every list mail's subject begins with this; the list number follows.
inline constexpr char kListSubjectPrefix[] = "\x95 tollmere server list ";
// The text between an item number and its title in a list mail's body.
inline constexpr char kItemSeparator[] = ")  ";
inline constexpr char kLineBreak[] = "\r\n";

// The subject of a mailbox line "date<TAB>sender<TAB>subject": the text after the first tab, then
// after the next tab of what is left. A cut whose tab is missing leaves the text as it was, so a
// line without tabs is its own subject.
std::string SubjectOfMailboxLine(std::string_view line);

// A wildcard match in which "*" stands for any run of characters and everything else must match
// exactly, letter case included.
bool MatchesPattern(std::string_view text, std::string_view pattern);

// Whether a subject names a serving list: it matches the prefix followed by "*".
bool IsServingList(std::string_view subject);
// The number of a serving list: the leading decimal digits after the prefix ("12abc" is 12); 0
// when there are none. A run of digits too long for 32 bits reads as the largest 32-bit number,
// which no list made by the designer carries.
std::int32_t ListNumber(std::string_view subject);
// The list number when the subject names a serving list.
std::optional<std::int32_t> ServingListNumber(std::string_view subject);

// How many lists n titles make: one more than the number of whole lists of 300, so a multiple of
// 300 (none included) ends with an empty list.
int ListCountFor(int titles);

// The item numbers list k (from 1) holds: first to last; last is first - 1 for an empty list.
struct ItemRange {
  int first = 0;
  int last = -1;
  bool empty() const { return last < first; }
};
ItemRange ItemsOfList(int list_number, int titles);

// "• tollmere server list " followed by k.
std::string ListSubject(int list_number);
// One body line: the item number, ")  " and the title as it is (nothing escaped).
std::string ListLine(int item_number, std::string_view title);
// The body of list k: its lines joined by CR LF, with none after the last; empty for an empty list.
std::string ListBody(const std::vector<std::string>& titles, int list_number);

// An entry of ServingLists: the list number, "-", the mailbox index ("2-317").
std::string ServingListEntry(std::int32_t list_number, int mailbox_index);
// The two halves of an entry: the text before the first "-" and after it.
struct ServingListPlace {
  std::string list_number;
  std::string mailbox_index;
};
ServingListPlace SplitServingListEntry(std::string_view entry);

// What the completeness check of adopted lists finds.
enum class ListSet {
  kComplete,  // the highest list number equals the number of list mails found
  kMissing,   // a gap, a duplicate without a gap to balance it, or no list at all
};
// The check of old lists: the highest number must equal the number of entries, so lists 1 to n,
// each once, pass; a gap alone or a duplicate alone fails. No list at all fails too: there is
// nothing to adopt, and the list mail that would be opened to find item 0 does not exist, so
// going on could only wait for a mail text that never comes.
ListSet CheckListSet(const std::vector<std::int32_t>& list_numbers);
// Whether the numbers are lists 1 to count, each once, in any order.
bool IsEachListOnce(std::vector<std::int32_t> list_numbers, std::int32_t count);

// A procedure's progress: done / total x 100 rounded down, or nothing when total is not positive
// (an empty mailbox, a list of one line), which has no progress to show.
std::optional<int> ProgressPercent(int done, int total);

}  // namespace list_designer
