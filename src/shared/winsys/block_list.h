#pragma once
// A sequence kept in blocks of at most 128 elements, with the blocks' sizes in a Fenwick tree, so
// that inserting or removing anywhere moves at most one block's elements and updates a few sums,
// and reaching an index is a descent of the tree. The program's list boxes hold up to 32,767
// entries and lose them from the head and the middle as the queues are served; a vector or a
// deque would move half of them for a removal from the middle, and a list of block starts would
// move every start after it.

#include <algorithm>
#include <cstddef>
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
      Grow(blocks_.size() - 1, 1);
      return;
    }
    if (blocks_.empty() || (index == size_ && blocks_.back().size() >= kBlockSize)) {
      blocks_.emplace_back().reserve(kBlockSize);
      AddEmptyLastBlockSize();
    }
    auto [block, offset] =
        index == size_ ? std::pair{blocks_.size() - 1, blocks_.back().size()} : Locate(index);
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
    Grow(block, 1);
  }

  void erase(std::size_t index) {
    const auto [block, offset] = Locate(index);
    auto& elements = blocks_[block];
    elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(offset));
    --size_;
    if (elements.empty()) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
      RebuildSizes();
      return;
    }
    Grow(block, -1);
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
    sizes_.clear();
    size_ = 0;
  }

 private:
  // The Fenwick tree of the blocks' sizes, one-based: sizes_[i] holds the sizes of the blocks
  // from i - lowbit(i) to i - 1. Made anew when a block comes or goes (once in 64 changes at
  // most), updated in place otherwise.
  static std::size_t LowBit(std::size_t i) { return i & (~i + 1); }
  void RebuildSizes() {
    sizes_.assign(blocks_.size() + 1, 0);
    for (std::size_t i = 1; i < sizes_.size(); ++i) {
      sizes_[i] += blocks_[i - 1].size();
      const std::size_t parent = i + LowBit(i);
      if (parent < sizes_.size()) sizes_[parent] += sizes_[i];
    }
  }
  // The node of a block added empty at the end sums the blocks its range covers before it.
  void AddEmptyLastBlockSize() {
    if (sizes_.empty()) sizes_.push_back(0);
    const std::size_t node = sizes_.size();
    sizes_.push_back(StartOf(node - 1) - StartOf(node - LowBit(node)));
  }
  void Grow(std::size_t block, int by) {
    for (std::size_t i = block + 1; i < sizes_.size(); i += LowBit(i)) {
      sizes_[i] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(sizes_[i]) + by);
    }
  }
  // The index of the block's first element: the sizes of the blocks before it.
  std::size_t StartOf(std::size_t block) const {
    std::size_t start = 0;
    for (std::size_t i = block; i > 0; i -= LowBit(i)) start += sizes_[i];
    return start;
  }

  // The block holding index and its place there; index must be in range.
  std::pair<std::size_t, std::size_t> Locate(std::size_t index) const {
    std::size_t block = 0;  // blocks passed, whose sizes sum to at most index
    std::size_t rest = index;
    std::size_t step = 1;
    while (step * 2 < sizes_.size()) step *= 2;
    for (; step > 0; step /= 2) {
      const std::size_t next = block + step;
      if (next < sizes_.size() && sizes_[next] <= rest) {
        block = next;
        rest -= sizes_[next];
      }
    }
    return {block, rest};
  }

  void Split(std::size_t block) {
    auto& full = blocks_[block];
    std::vector<T> second;
    second.reserve(kBlockSize);
    const auto half = full.begin() + static_cast<std::ptrdiff_t>(kBlockSize / 2);
    second.assign(std::make_move_iterator(half), std::make_move_iterator(full.end()));
    full.erase(half, full.end());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(second));
    RebuildSizes();
  }

  std::vector<std::vector<T>> blocks_;
  std::vector<std::size_t> sizes_;
  std::size_t size_ = 0;
};

}  // namespace winsys
