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

RequestQueue::RequestQueue(ui::Frame& frame, std::string name, const ui::TwipsRect& position,
                           std::string label)
    : frame_(&frame), list_(frame, std::move(name), position), label_(std::move(label)) {}

RequestQueue::RequestQueue(ui::Container& container, std::string name)
    : list_(container, std::move(name), kHiddenPosition, ui::Visibility::kHidden) {}

void RequestQueue::Append(std::string entry) {
  ResyncIfListChanged();
  CountRequester(per_requester_, entry);
  list_.add(std::move(entry));
  ++counted_entries_;
  ++changes_;
  RefreshCaption();
}

void RequestQueue::InsertAt(int index, std::string entry) {
  ResyncIfListChanged();
  CountRequester(per_requester_, entry);
  list_.insert(std::clamp(index, 0, Count()), std::move(entry));
  ++counted_entries_;
  ++changes_;
  RefreshCaption();
}

void RequestQueue::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  ResyncIfListChanged();
  UncountRequester(per_requester_, list_.items()[static_cast<std::size_t>(index)]);
  list_.remove_at(index);
  --counted_entries_;
  ++changes_;
  RefreshCaption();
}

void RequestQueue::Clear() {
  list_.clear();
  per_requester_.clear();
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

void RequestQueue::CountRequester(RequesterCounts& counts, std::string_view entry) {
  const std::string_view requester = RequesterOf(entry);
  const auto found = counts.find(requester);
  if (found != counts.end()) {
    ++found->second;
  } else {
    counts.emplace(std::string(requester), 1);
  }
}

void RequestQueue::UncountRequester(RequesterCounts& counts, std::string_view entry) {
  const auto found = counts.find(RequesterOf(entry));
  if (found == counts.end()) return;
  if (--found->second == 0) counts.erase(found);
}

void RequestQueue::ResyncIfListChanged() const {
  if (counted_entries_ == list_.items().size()) return;
  per_requester_.clear();
  for (const std::string& entry : list_.items()) CountRequester(per_requester_, entry);
  counted_entries_ = list_.items().size();
}

}  // namespace serving_engine
