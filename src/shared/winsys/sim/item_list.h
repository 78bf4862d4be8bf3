#pragma once
// The items of a list box or of a combo box's list: texts with item data and one selection, with
// the index rules of the Win32 list messages (every bad index is an error, -1 where the messages
// allow it). Sorted insertion and exact search compare without regard to case; sorting orders by
// the folded bytes of the 8-bit set, not by a locale's collation (no list of the program sorts).

#include <string>
#include <string_view>

#include "shared/winsys/block_list.h"
#include "shared/winsys/types.h"

namespace winsys::sim {

class ItemList {
 public:
  static constexpr int kNone = -1;  // no index: the error, or no selection

  enum class Order { kAsAdded, kSorted };

  struct Item {
    std::string text;
    LPARAM data = 0;
  };

  // At the end, or at its sorted place; answers the index.
  int Add(std::string text, Order order);
  // Before index; -1 appends. Answers the index, or kNone for an index past the end.
  int Insert(int index, std::string text);
  // Answers the number of items left, or kNone for a bad index.
  int Delete(int index);
  void Clear();

  int Count() const { return static_cast<int>(items_.size()); }
  // The item, or nullptr for a bad index.
  const Item* At(int index) const;
  bool SetData(int index, LPARAM data);

  // The first item after start (-1: from the top) whose whole text equals text, searching on
  // from the top after the end; kNone when there is none.
  int FindExact(int start, std::string_view text) const;

  // Selects index; -1, or an index out of range, leaves nothing selected. Answers the selection.
  int Select(int index);
  int Selected() const { return selected_; }

 private:
  bool IsValid(int index) const { return index >= 0 && index < Count(); }
  void InsertAt(int index, std::string&& text);

  // In blocks, so that taking items off the head or the middle moves few of the others: a queue
  // that is served from there loses items again and again.
  BlockList<Item> items_;
  int selected_ = kNone;
};

}  // namespace winsys::sim
