#pragma once
// A sequence kept in blocks of at most 128 elements, with where each block starts, so that
// inserting or removing anywhere moves at most one block's elements and the starts after it,
// and reaching an index is a binary search over the starts. The program's list boxes hold up to
// 32,767 entries and lose them from the head and the middle as the queues are served; a vector
// or a deque would move half of them for a removal from the middle.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace winsys {

template <typename T>
class BlockList {
 public:
  static constexpr std::size_t kBlockSize = 128;

  // Random access by index: every step finds its block anew, so a loop costs a binary search
  // over the blocks for each element; cheap for the sizes the lists reach.
  template <typename List, typename Value>
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    Iterator(List* list, std::size_t index) : list_(list), index_(index) {}
    reference operator*() const { return (*list_)[index_]; }
    pointer operator->() const { return &(*list_)[index_]; }
    reference operator[](difference_type n) const { return *(*this + n); }
    Iterator& operator++() { return *this += 1; }
    Iterator operator++(int) {
      Iterator before = *this;
      *this += 1;
      return before;
    }
    Iterator& operator--() { return *this -= 1; }
    Iterator operator--(int) {
      Iterator before = *this;
      *this -= 1;
      return before;
    }
    Iterator& operator+=(difference_type n) {
      index_ = static_cast<std::size_t>(static_cast<difference_type>(index_) + n);
      return *this;
    }
    Iterator& operator-=(difference_type n) { return *this += -n; }
    friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
    friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
    friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const Iterator& a, const Iterator& b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }
    friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.index_ <=> b.index_; }
    std::size_t index() const { return index_; }

   private:
    List* list_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = Iterator<BlockList, T>;
  using const_iterator = Iterator<const BlockList, const T>;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  iterator begin() { return {this, 0}; }
  iterator end() { return {this, size_}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

  T& operator[](std::size_t index) {
    const auto [block, offset] = Locate(index);
    return blocks_[block][offset];
  }
  const T& operator[](std::size_t index) const {
    const auto [block, offset] = Locate(index);
    return blocks_[block][offset];
  }
  T& back() { return blocks_.back().back(); }
  const T& back() const { return blocks_.back().back(); }

  void push_back(T&& value) { insert(size_, std::move(value)); }
  void push_back(const T& value) { insert(size_, T(value)); }
  void insert(std::size_t index, const T& value) { insert(index, T(value)); }

  // Before index; index size() appends.
  // Takes the value by reference: a list of texts moves each one at most once on its way in.
  void insert(std::size_t index, T&& value) {
    // Appending is what the lists mostly do, a range line 32,767 times in a row.
    if (index == size_ && !blocks_.empty() && blocks_.back().size() < kBlockSize) {
      blocks_.back().push_back(std::move(value));
      ++size_;
      return;
    }
    if (blocks_.empty() || (index == size_ && blocks_.back().size() >= kBlockSize)) {
      blocks_.emplace_back().reserve(kBlockSize);
      starts_.push_back(Kept(size_));
    }
    auto [block, offset] = index == size_
                               ? std::pair{blocks_.size() - 1, index - StartOf(blocks_.size() - 1)}
                               : Locate(index);
    if (blocks_[block].size() >= kBlockSize) {
      Split(block);
      if (offset > kBlockSize / 2) {
        ++block;
        offset -= kBlockSize / 2;
      }
    }
    blocks_[block].insert(blocks_[block].begin() + static_cast<std::ptrdiff_t>(offset),
                          std::move(value));
    ++size_;
    ShiftStartsFrom(block + 1, 1);
  }

  void erase(std::size_t index) {
    const auto [block, offset] = Locate(index);
    auto& elements = blocks_[block];
    elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(offset));
    --size_;
    if (elements.empty()) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
      starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(block));
      ShiftStartsFrom(block, -1);
      return;
    }
    ShiftStartsFrom(block + 1, -1);
  }

  // For a list kept in order: the index of the first element not less than value, found by a
  // search over the blocks' last elements and then one within a block, not by a search whose
  // every step finds its block anew.
  std::size_t lower_bound_index(const T& value) const {
    const auto block = std::partition_point(
        blocks_.begin(), blocks_.end(),
        [&](const std::vector<T>& elements) { return elements.back() < value; });
    if (block == blocks_.end()) return size_;
    const auto within = std::lower_bound(block->begin(), block->end(), value) - block->begin();
    return StartOf(static_cast<std::size_t>(block - blocks_.begin())) +
           static_cast<std::size_t>(within);
  }

  void clear() {
    blocks_.clear();
    starts_.clear();
    shift_ = 0;
    size_ = 0;
  }

 private:
  // A block's start as kept: its first index plus shift_.
  using KeptStart = std::int64_t;
  KeptStart Kept(std::size_t start) const { return static_cast<KeptStart>(start) + shift_; }
  std::size_t StartOf(std::size_t block) const {
    return block == 0 ? 0 : static_cast<std::size_t>(starts_[block] - shift_);
  }
  // Moves the starts of the blocks from first on by the given count. The first block always
  // starts at 0, so a change in it moves every other block: that is one change of shift_, and
  // taking entries from the head, as the queues do, costs nothing however many blocks follow.
  void ShiftStartsFrom(std::size_t first, KeptStart by) {
    if (first <= 1) {
      shift_ -= by;
      return;
    }
    for (std::size_t block = first; block < starts_.size(); ++block) starts_[block] += by;
  }

  // The block holding index and its place there; index must be in range.
  std::pair<std::size_t, std::size_t> Locate(std::size_t index) const {
    const auto after = std::upper_bound(starts_.begin() + 1, starts_.end(), Kept(index));
    const auto block = static_cast<std::size_t>(after - starts_.begin()) - 1;
    return {block, index - StartOf(block)};
  }

  void Split(std::size_t block) {
    auto& full = blocks_[block];
    std::vector<T> second;
    second.reserve(kBlockSize);
    const auto half = full.begin() + static_cast<std::ptrdiff_t>(kBlockSize / 2);
    second.assign(std::make_move_iterator(half), std::make_move_iterator(full.end()));
    full.erase(half, full.end());
    const KeptStart second_start = Kept(StartOf(block) + full.size());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(second));
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, second_start);
  }

  std::vector<std::vector<T>> blocks_;
  // Each block's first index, as kept (the first block's is never read: it starts at 0).
  std::vector<KeptStart> starts_;
  KeptStart shift_ = 0;
  std::size_t size_ = 0;
};

}  // namespace winsys
