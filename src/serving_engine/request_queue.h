#pragma once
// One of the server window's request queues: a list box whose entries are the requests, oldest
// first, and (for the shown queues) the frame whose caption is the queue's label and its count.
//
// The queue owns its list box, so that every change goes through here and on to the window,
// where the user sees it. Beside the entries it keeps how many each requester has (the text before
// the first " - " of an entry, or the whole entry when it has none), so that the per-requester
// limits of the chat intake cost one look-up instead of a scan of the queue.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "serving_engine/entry_keys.h"
#include "shared/ui/frame.h"
#include "shared/ui/list_box.h"
#include "shared/winsys/block_list.h"

namespace serving_engine {

// The separator between requester and item number or search text.
inline constexpr char kEntrySeparator[] = " - ";

// An entry's requester and item, found with one search for the separator.
struct EntryParts {
  std::string_view requester;
  std::optional<std::string_view> item;
};
EntryParts SplitEntry(std::string_view entry);
// The requester part of an entry: the text before the first " - ", or the whole entry.
std::string_view RequesterOf(std::string_view entry);
// The item part of an entry: the text after the first " - "; nothing when it has none.
std::optional<std::string_view> ItemOf(std::string_view entry);

class RequestQueue {
 public:
  // A shown queue: its list box sits in frame, which shows label followed by the count.
  RequestQueue(ui::Frame& frame, std::string name, const ui::TwipsRect& position,
               std::string label);
  // A hidden queue on the form, without frame or caption.
  RequestQueue(ui::Container& container, std::string name);

  // Appends at the end; a shown queue then shows its new count.
  void Append(std::string entry);
  // Appends each at the end, in order; a shown queue then shows its new count once.
  void AppendAll(std::vector<std::string> entries);
  int Count() const { return list_.count(); }
  // Entry i, 0 the oldest; the empty text out of range.
  std::string Entry(int index) const { return list_.item(index); }
  // Puts an entry at place i (0 the head; past the end it is appended), as when an entry that
  // could not be served goes back to where it stood; a shown queue then shows its new count.
  void InsertAt(int index, std::string entry);
  // Removes entry i (nothing out of range); a shown queue then shows its new count.
  void RemoveAt(int index);
  // Takes out the entries whose item part is item_text (compared exactly: 12 and 012 differ),
  // oldest first, up to limit, and answers them; a shown queue then shows its new count once.
  // Costs the entries taken, not the queue: the queue keeps, for every item, where its entries
  // stand.
  std::vector<std::string> TakeForItem(std::string_view item_text, int limit);
  // Removes every entry; the caption is the caller's to set.
  void Clear();
  // How many entries have this requester, compared exactly.
  int PendingFor(std::string_view requester) const;
  // Whether an entry equals text exactly.
  bool Contains(std::string_view text) const;
  // Grows with every change of the entries, so that a reader can tell cheaply whether the queue
  // changed since it last looked.
  std::uint64_t changes() const { return changes_; }

  // Writes label + count into the frame (nothing for a hidden queue).
  void RefreshCaption();
  const std::string& label() const { return label_; }
  ui::Frame* frame() const { return frame_; }

  // The list box, for reading its selection and entries; changes go through the queue.
  const ui::ListBox& list() const { return list_; }
  ui::ListBox& list_for_events() { return list_; }

 private:
  // Looked up by a text without copying it.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  // How many entries have each text (a requester, or a whole entry without an item).
  using TextCounts = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;
  // Every entry has a key that grows with its place in the queue, spaced so that an entry put
  // back between two others can take one between theirs; the keys are given anew when no gap is
  // left. An item's entries are found by their keys, oldest first.
  using Keys = EntryKeys;
  using Key = Keys::Key;
  using ItemKeys = std::unordered_map<std::string, Keys, TextHash, std::equal_to<>>;
  static constexpr Key kKeySpacing = Key{1} << 20;
  // Items written as a plain number below this are found by their number, without hashing: a
  // range line queues thousands of them at once.
  static constexpr std::size_t kNumberedItems = 1 << 16;

  // The keys of an item's entries, oldest first; nullptr when it has none.
  Keys* KeysOf(std::string_view item) const;
  Keys& KeysFor(std::string_view item) const;
  void ForgetIfNone(std::string_view item) const;

  void AppendUnshown(std::string&& entry);
  static TextCounts::value_type& Count(TextCounts& counts, std::string_view key);
  static void Uncount(TextCounts& counts, std::string_view key);
  void IndexEntry(std::string_view entry, Key key) const;
  void UnindexEntry(std::string_view entry, Key key) const;
  // A key between the entries at index - 1 and index, giving every entry a new key first when
  // there is none left between them.
  Key KeyBefore(int index);
  // Where the entry with this key stands.
  int IndexOfKey(Key key) const;
  // Gives every entry a new key, spaced again, and indexes the entries afresh from the list.
  void Reindex() const;
  // Removes entry i without showing the count: a change of several entries shows it once.
  void RemoveUnshown(int index);
  // The form puts its controls back to their design values when it unloads, behind the queue's
  // back; the counts are then taken again from what the list holds.
  void ResyncIfListChanged() const;

  ui::Frame* frame_ = nullptr;
  ui::ListBox list_;
  std::string label_;
  mutable TextCounts per_requester_;
  // The requester counted last: a range line counts one requester thousands of times.
  mutable TextCounts::value_type* last_requester_ = nullptr;
  mutable std::vector<Keys> per_numbered_item_;
  mutable ItemKeys per_item_;
  mutable TextCounts without_item_;      // the entries without " - ", by their whole text
  mutable winsys::BlockList<Key> keys_;  // the key of every entry, in the list's order
  std::uint64_t changes_ = 0;
};

// The server window's four queues, as the chat intake fills them and the serving loop serves them.
struct RequestQueues {
  RequestQueue& requests;
  RequestQueue& lists;
  RequestQueue& finds;
  RequestQueue& statuss;  // hidden: "Joe"
};

}  // namespace serving_engine
