#pragma once
// A list box ("ListBox", unsorted, notifying). on_click fires when the selection changes
// (LBN_SELCHANGE, or the program setting the selected index), on_double_click on LBN_DBLCLK.
//
// The entries live in the wrapper as well as in the window: the program's hidden lists
// (`PeopleServed`, `Statuss`, `MailList`, `ServingLists`) hold up to 32,767 entries and are read
// in every serving tick, so count, item and contains answer from memory (contains through a
// table of the texts) instead of a round of messages per entry. Every change goes through the
// wrapper, which makes the same change in the window; nothing else may add or remove entries
// (a person can only select). The selection is read from the window, where a person changes it.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shared/ui/control.h"
#include "shared/winsys/block_list.h"

namespace ui {

// Whether setting the selection fires on_click, as a person's selection does.
enum class ClickEvent { kFire, kSuppress };

class ListBox : public Control {
 public:
  ListBox(Container& container, std::string name, const TwipsRect& position,
          Visibility visibility = Visibility::kVisible);

  int count() const override { return static_cast<int>(entries_.size()); }
  // The empty text for an index out of range.
  std::string item(int index) const override;
  // Entry index, read in place; the index must be in range.
  const std::string& text_at(int index) const {
    return entries_[static_cast<std::size_t>(index)].text;
  }
  // Every entry, as one list: made afresh on the first call after a change, so that a list
  // that changes often and is read whole seldom (a queue) pays for it only when it is read.
  const std::vector<std::string>& items() const;

  // Appends; answers the new entry's index.
  int add(std::string text);
  // Inserts before index (an index of count() puts it last, -1 appends); out of range does
  // nothing.
  void insert(int index, std::string text);
  // Removes entry index; out of range does nothing.
  void remove_at(int index);
  void clear();

  // The first entry equal to text, comparing every character exactly (letter case counts);
  // -1 when there is none. Linear in memory, no messages.
  int find_exact(std::string_view text) const;
  // Whether an entry equals text exactly; constant time on average, once the first call has
  // counted the entries (a list that is never asked pays nothing for it).
  bool contains(std::string_view text) const;

  // -1 when nothing is selected.
  int selected_index() const;
  // -1 clears the selection; an index out of range clears it too. on_click fires when the
  // selection changed, unless told otherwise.
  void set_selected_index(int index, ClickEvent event = ClickEvent::kFire);

  // 0 for an index out of range.
  winsys::LONG_PTR item_data(int index) const;
  void set_item_data(int index, winsys::LONG_PTR data);

  std::function<void()> on_click;
  std::function<void()> on_double_click;

 private:
  const char* class_name() const override { return "ListBox"; }
  winsys::DWORD class_style() const override;
  void AfterCreate() override;
  void ResetProperties() override;
  void OnCommand(unsigned code) override;

  bool valid(int index) const { return index >= 0 && index < count(); }
  void Count(const std::string& text);
  void Uncount(const std::string& text);
  winsys::LRESULT Send(winsys::UINT message, winsys::WPARAM wparam, winsys::LPARAM lparam) const;

  struct Entry {
    std::string text;
    winsys::LONG_PTR data = 0;
  };
  // In blocks, so that removing an entry from the head or the middle moves few of the others:
  // the request queues are served from there, thousands of entries deep.
  winsys::BlockList<Entry> entries_;
  mutable std::vector<std::string> whole_;
  mutable bool whole_stale_ = false;
  mutable std::unordered_map<std::string, int> occurrences_;
  mutable bool occurrences_counted_ = false;
  int selected_ = -1;  // the selection while there is no window
};

}  // namespace ui
