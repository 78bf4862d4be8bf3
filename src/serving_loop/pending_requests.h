#pragma once
// The text of the pending-requests file: the item queue's entries, one a line, CR LF between
// them. Reading keeps only the lines the serving loop can serve; the file is the user's and may
// have been edited by hand, or be no requests file at all.

#include <string>
#include <string_view>
#include <vector>

namespace serving_engine {
class RequestQueue;
}

namespace serving_loop {

// A list box counts its entries in 16 bits: loading stops adding once the queue holds this many.
inline constexpr int kMostQueuedRequests = 32767;

// The file's text for the entries in queue order: CR LF between two entries, none after the
// last (writing the file adds the final CR LF).
std::string JoinPendingRequests(const std::vector<std::string>& entries);

// Whether a line is an entry the serving loop can serve: a requester, " - ", and a whole item
// number (decimal digits and nothing else). The requester must hold a character that is not a
// blank, be no longer than the client's longest screen name (a megabyte of name would be mailed
// to and posted in the room) and hold none of the characters that build the recipient list of a
// forward ( "(", ")", ","), which no screen name holds: a line such as "x),(y - 3" would
// otherwise mail item 3 to y.
bool IsServableItemEntry(std::string_view line);

// The file's lines in order, keeping only the servable ones. Lines end at a carriage return, a
// line feed or both (a file edited by hand elsewhere may end its lines with line feeds only); a
// final line break makes no empty line. Duplicates are kept; the queue decides what it already
// holds.
std::vector<std::string> ServableRequestLines(std::string_view content);

// The file's servable lines that loading would add to the item queue, in file order: each unless
// the queue already holds an entry equal to it (so a line twice in the file, or a file loaded
// twice, adds it once), and no more than the queue can still take.
std::vector<std::string> LoadableRequests(const serving_engine::RequestQueue& requests,
                                          std::string_view content);

// Appends the loadable lines to the item queue behind its entries; the queue shows each new
// count. Answers how many were added.
int AddLoadedRequests(serving_engine::RequestQueue& requests, std::string_view content);

}  // namespace serving_loop
