#include "serving_engine/request_queue.h"

#include <algorithm>
#include <utility>

namespace serving_engine {

namespace {

// The hidden queues are never seen; their list boxes need a place on the form all the same.
constexpr ui::TwipsRect kHiddenPosition{0, 0, 1215, 255};

}  // namespace

std::string_view RequesterOf(std::string_view entry) {
  const auto separator = entry.find(kEntrySeparator);
  return separator == std::string_view::npos ? entry : entry.substr(0, separator);
}

std::optional<std::string_view> ItemOf(std::string_view entry) {
  const auto separator = entry.find(kEntrySeparator);
  if (separator == std::string_view::npos) return std::nullopt;
  return entry.substr(separator + std::string_view(kEntrySeparator).size());
}

RequestQueue::RequestQueue(ui::Frame& frame, std::string name, const ui::TwipsRect& position,
                           std::string label)
    : frame_(&frame), list_(frame, std::move(name), position), label_(std::move(label)) {}

RequestQueue::RequestQueue(ui::Container& container, std::string name)
    : list_(container, std::move(name), kHiddenPosition, ui::Visibility::kHidden) {}

void RequestQueue::Append(std::string entry) {
  ResyncIfListChanged();
  CountEntry(entry);
  list_.add(std::move(entry));
  ++counted_entries_;
  ++changes_;
  RefreshCaption();
}

void RequestQueue::InsertAt(int index, std::string entry) {
  ResyncIfListChanged();
  CountEntry(entry);
  list_.insert(std::clamp(index, 0, Count()), std::move(entry));
  ++counted_entries_;
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
  UncountEntry(list_.text_at(index));
  list_.remove_at(index);
  --counted_entries_;
  ++changes_;
}

std::vector<std::string> RequestQueue::TakeForItem(std::string_view item_text, int limit) {
  ResyncIfListChanged();
  std::vector<std::string> taken;
  const auto counted = per_item_.find(item_text);
  if (counted == per_item_.end() || limit <= 0) return taken;
  const auto wanted = static_cast<std::size_t>(std::min(counted->second, limit));
  for (int i = 0; i < Count() && taken.size() < wanted;) {
    if (ItemOf(list_.text_at(i)) != item_text) {
      ++i;
      continue;
    }
    taken.push_back(list_.text_at(i));
    RemoveUnshown(i);
  }
  if (!taken.empty()) RefreshCaption();
  return taken;
}

void RequestQueue::Clear() {
  list_.clear();
  per_requester_.clear();
  per_item_.clear();
  counted_entries_ = 0;
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

void RequestQueue::Count(RequesterCounts& counts, std::string_view key) {
  const auto found = counts.find(key);
  if (found != counts.end()) {
    ++found->second;
  } else {
    counts.emplace(std::string(key), 1);
  }
}

void RequestQueue::Uncount(RequesterCounts& counts, std::string_view key) {
  const auto found = counts.find(key);
  if (found == counts.end()) return;
  if (--found->second == 0) counts.erase(found);
}

void RequestQueue::CountEntry(std::string_view entry) const {
  Count(per_requester_, RequesterOf(entry));
  if (const auto item = ItemOf(entry)) Count(per_item_, *item);
}

void RequestQueue::UncountEntry(std::string_view entry) const {
  Uncount(per_requester_, RequesterOf(entry));
  if (const auto item = ItemOf(entry)) Uncount(per_item_, *item);
}

void RequestQueue::ResyncIfListChanged() const {
  if (counted_entries_ == static_cast<std::size_t>(list_.count())) return;
  per_requester_.clear();
  per_item_.clear();
  for (int i = 0; i < list_.count(); ++i) CountEntry(list_.text_at(i));
  counted_entries_ = static_cast<std::size_t>(list_.count());
}

}  // namespace serving_engine
