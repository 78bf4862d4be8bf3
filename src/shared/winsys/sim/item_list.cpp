#include "shared/winsys/sim/item_list.h"

#include <algorithm>

#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

int ItemList::Add(std::string text, Order order) {
  int index = Count();
  if (order == Order::kSorted) {
    // After any equal items, so that items added in order stay in that order.
    const auto place = std::upper_bound(
        items_.begin(), items_.end(), text,
        [](const std::string& t, const Item& i) { return LessIgnoringCase(t, i.text); });
    index = static_cast<int>(place - items_.begin());
  }
  InsertAt(index, std::move(text));
  return index;
}

int ItemList::Insert(int index, std::string text) {
  if (index == -1) index = Count();
  if (index < 0 || index > Count()) return kNone;
  InsertAt(index, std::move(text));
  return index;
}

void ItemList::InsertAt(int index, std::string&& text) {
  items_.insert(static_cast<std::size_t>(index), Item{std::move(text), 0});
  if (selected_ != kNone && index <= selected_) ++selected_;
}

int ItemList::Delete(int index) {
  if (!IsValid(index)) return kNone;
  items_.erase(static_cast<std::size_t>(index));
  if (index == selected_) {
    selected_ = kNone;
  } else if (selected_ != kNone && index < selected_) {
    --selected_;
  }
  return Count();
}

void ItemList::Clear() {
  items_.clear();
  selected_ = kNone;
}

const ItemList::Item* ItemList::At(int index) const {
  return IsValid(index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

bool ItemList::SetData(int index, LPARAM data) {
  if (!IsValid(index)) return false;
  items_[static_cast<std::size_t>(index)].data = data;
  return true;
}

int ItemList::FindExact(int start, std::string_view text) const {
  const int count = Count();
  if (count == 0) return kNone;
  if (start < -1 || start >= count) start = -1;
  for (int step = 1; step <= count; ++step) {
    const int index = (start + step) % count;
    if (EqualsIgnoringCase(items_[static_cast<std::size_t>(index)].text, text)) return index;
  }
  return kNone;
}

int ItemList::Select(int index) {
  selected_ = IsValid(index) ? index : kNone;
  return selected_;
}

}  // namespace winsys::sim
