#pragma once
// The keys of one item's entries in a request queue, in ascending order. Most items are asked for
// once, and a range line queues thousands of them at a time: one key is kept in place, without an
// allocation; only a second one moves them all into a vector.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace serving_engine {

class EntryKeys {
 public:
  using Key = std::uint64_t;

  std::size_t size() const { return many_.empty() ? (has_one_ ? 1 : 0) : many_.size(); }
  bool empty() const { return size() == 0; }
  Key front() const { return many_.empty() ? one_ : many_.front(); }

  void Insert(Key key) {
    if (many_.empty() && !has_one_) {
      one_ = key;
      has_one_ = true;
      return;
    }
    if (many_.empty()) {
      many_.push_back(one_);
      has_one_ = false;
    }
    many_.insert(std::lower_bound(many_.begin(), many_.end(), key), key);
  }

  void Erase(Key key) {
    if (many_.empty()) {
      if (has_one_ && one_ == key) has_one_ = false;
      return;
    }
    const auto found = std::lower_bound(many_.begin(), many_.end(), key);
    if (found != many_.end() && *found == key) many_.erase(found);
  }

  template <typename Predicate>
  bool AnyOf(Predicate predicate) const {
    if (many_.empty()) return has_one_ && predicate(one_);
    return std::any_of(many_.begin(), many_.end(), predicate);
  }

 private:
  Key one_ = 0;
  bool has_one_ = false;
  std::vector<Key> many_;  // every key, once there were two or more
};

}  // namespace serving_engine
