#include "serving_engine/request_queue.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace serving_engine {

namespace {

// The hidden queues are never seen; their list boxes need a place on the form all the same.
constexpr ui::TwipsRect kHiddenPosition{0, 0, 1215, 255};

}  // namespace

EntryParts SplitEntry(std::string_view entry) {
  const auto separator = entry.find(kEntrySeparator);
  if (separator == std::string_view::npos) return {entry, std::nullopt};
  return {entry.substr(0, separator),
          entry.substr(separator + std::string_view(kEntrySeparator).size())};
}

std::string_view RequesterOf(std::string_view entry) {
  return SplitEntry(entry).requester;
}

std::optional<std::string_view> ItemOf(std::string_view entry) {
  return SplitEntry(entry).item;
}

RequestQueue::RequestQueue(ui::Frame& frame, std::string name, const ui::TwipsRect& position,
                           std::string label)
    : frame_(&frame), list_(frame, std::move(name), position), label_(std::move(label)) {}

RequestQueue::RequestQueue(ui::Container& container, std::string name)
    : list_(container, std::move(name), kHiddenPosition, ui::Visibility::kHidden) {}

void RequestQueue::Append(std::string entry) {
  AppendUnshown(std::move(entry));
  RefreshCaption();
}

void RequestQueue::AppendAll(std::vector<std::string> entries) {
  for (std::string& entry : entries) AppendUnshown(std::move(entry));
  if (!entries.empty()) RefreshCaption();
}

void RequestQueue::AppendUnshown(std::string&& entry) {
  ResyncIfListChanged();
  const Key key = KeyBefore(Count());
  IndexEntry(entry, key);
  keys_.push_back(key);
  list_.add(std::move(entry));
  ++changes_;
}

void RequestQueue::InsertAt(int index, std::string entry) {
  ResyncIfListChanged();
  index = std::clamp(index, 0, Count());
  const Key key = KeyBefore(index);
  IndexEntry(entry, key);
  keys_.insert(static_cast<std::size_t>(index), key);
  list_.insert(index, std::move(entry));
  ++changes_;
  RefreshCaption();
}

void RequestQueue::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  RemoveUnshown(index);
  RefreshCaption();
}

void RequestQueue::RemoveUnshown(int index) {
  ResyncIfListChanged();
  const auto at = static_cast<std::size_t>(index);
  UnindexEntry(list_.text_at(index), keys_[at]);
  keys_.erase(at);
  list_.remove_at(index);
  ++changes_;
}

std::vector<std::string> RequestQueue::TakeForItem(std::string_view item_text, int limit) {
  ResyncIfListChanged();
  std::vector<std::string> taken;
  const Keys* keys = KeysOf(item_text);
  if (keys == nullptr || limit <= 0) return taken;
  // The oldest keys first; removing an entry unindexes it, so the front is always the next.
  const auto wanted = std::min(keys->size(), static_cast<std::size_t>(limit));
  while (taken.size() < wanted) {
    const int index = IndexOfKey(KeysOf(item_text)->front());
    taken.push_back(list_.text_at(index));
    RemoveUnshown(index);
  }
  if (!taken.empty()) RefreshCaption();
  return taken;
}

void RequestQueue::Clear() {
  list_.clear();
  Reindex();  // of an empty list: every index emptied
  ++changes_;
}

int RequestQueue::PendingFor(std::string_view requester) const {
  ResyncIfListChanged();
  const auto found = per_requester_.find(requester);
  return found == per_requester_.end() ? 0 : found->second;
}

void RequestQueue::RefreshCaption() {
  if (frame_ != nullptr) frame_->set_caption(label_ + std::to_string(Count()));
}

RequestQueue::TextCounts::value_type& RequestQueue::Count(TextCounts& counts,
                                                          std::string_view key) {
  const auto found = counts.find(key);
  if (found != counts.end()) {
    ++found->second;
    return *found;
  }
  return *counts.emplace(std::string(key), 1).first;
}

void RequestQueue::Uncount(TextCounts& counts, std::string_view key) {
  const auto found = counts.find(key);
  if (found == counts.end()) return;
  if (--found->second == 0) counts.erase(found);
}

namespace {

// The number an item is written as, when it is a plain number (no leading zero) below bound.
std::optional<std::size_t> PlainNumber(std::string_view item, std::size_t bound) {
  if (item.empty() || item.size() > 9 || (item.size() > 1 && item[0] == '0')) return std::nullopt;
  std::size_t number = 0;
  for (const char c : item) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  return number < bound ? std::optional<std::size_t>(number) : std::nullopt;
}

}  // namespace

RequestQueue::Keys* RequestQueue::KeysOf(std::string_view item) const {
  if (const auto number = PlainNumber(item, kNumberedItems)) {
    if (*number >= per_numbered_item_.size() || per_numbered_item_[*number].empty()) return nullptr;
    return &per_numbered_item_[*number];
  }
  const auto found = per_item_.find(item);
  return found == per_item_.end() ? nullptr : &found->second;
}

RequestQueue::Keys& RequestQueue::KeysFor(std::string_view item) const {
  if (const auto number = PlainNumber(item, kNumberedItems)) {
    // Grown by halves at least: a range line asks for every number in turn.
    const std::size_t size = per_numbered_item_.size();
    if (*number >= size) {
      per_numbered_item_.resize(std::min(kNumberedItems, std::max(*number + 1, size + size / 2)));
    }
    return per_numbered_item_[*number];
  }
  auto found = per_item_.find(item);
  if (found == per_item_.end()) found = per_item_.try_emplace(std::string(item)).first;
  return found->second;
}

void RequestQueue::ForgetIfNone(std::string_view item) const {
  if (PlainNumber(item, kNumberedItems)) return;
  const auto found = per_item_.find(item);
  if (found != per_item_.end() && found->second.empty()) per_item_.erase(found);
}

void RequestQueue::IndexEntry(std::string_view entry, Key key) const {
  const auto [requester, item] = SplitEntry(entry);
  if (last_requester_ != nullptr && last_requester_->first == requester) {
    ++last_requester_->second;
  } else {
    last_requester_ = &Count(per_requester_, requester);
  }
  if (!item) {
    Count(without_item_, entry);
    return;
  }
  KeysFor(*item).Insert(key);
}

void RequestQueue::UnindexEntry(std::string_view entry, Key key) const {
  last_requester_ = nullptr;  // its count may go, and the element with it
  const auto [requester, item] = SplitEntry(entry);
  Uncount(per_requester_, requester);
  if (!item) {
    Uncount(without_item_, entry);
    return;
  }
  Keys* keys = KeysOf(*item);
  if (keys == nullptr) return;
  keys->Erase(key);
  ForgetIfNone(*item);
}

bool RequestQueue::Contains(std::string_view text) const {
  ResyncIfListChanged();
  const auto item = ItemOf(text);
  if (!item) return without_item_.find(text) != without_item_.end();
  const Keys* keys = KeysOf(*item);
  if (keys == nullptr) return false;
  return keys->AnyOf([&](Key key) { return list_.text_at(IndexOfKey(key)) == text; });
}

RequestQueue::Key RequestQueue::KeyBefore(int index) {
  const auto at = static_cast<std::size_t>(index);
  const auto gap = [&]() -> std::pair<Key, Key> {
    const Key low = at == 0 ? 0 : at == keys_.size() ? keys_.back() : keys_[at - 1];
    const Key high = at == keys_.size() ? low + 2 * kKeySpacing : keys_[at];
    return {low, high};
  };
  auto [low, high] = gap();
  if (high - low < 2 || high < low) {
    Reindex();
    std::tie(low, high) = gap();
  }
  return low + (high - low) / 2;
}

int RequestQueue::IndexOfKey(Key key) const {
  return static_cast<int>(keys_.lower_bound_index(key));
}

void RequestQueue::Reindex() const {
  per_requester_.clear();
  last_requester_ = nullptr;
  per_numbered_item_.clear();
  per_item_.clear();
  without_item_.clear();
  keys_.clear();
  for (int i = 0; i < list_.count(); ++i) {
    const Key key = static_cast<Key>(i + 1) * kKeySpacing;
    keys_.push_back(key);
    IndexEntry(list_.text_at(i), key);
  }
}

void RequestQueue::ResyncIfListChanged() const {
  if (keys_.size() != static_cast<std::size_t>(list_.count())) Reindex();
}

}  // namespace serving_engine
