#include "shared/winsys/sim/address_space.h"

#include <algorithm>
#include <cstring>

namespace winsys::sim {
namespace {

constexpr std::uint64_t kAlignment = 16;
constexpr std::uint64_t kAddressLimit = 0x1'0000'0000;

}  // namespace

std::uint32_t AddressSpace::Allocate(std::size_t size) {
  const std::uint64_t length = std::max<std::uint64_t>(size, 1);
  if (length > kAddressLimit || next_address_ + length > kAddressLimit) return 0;
  const auto start = static_cast<std::uint32_t>(next_address_);
  blocks_.emplace(start, std::vector<std::uint8_t>(static_cast<std::size_t>(length), 0));
  // Leave a gap after each block, so that reading past its end fails as it would on Windows.
  next_address_ = (next_address_ + length + kAlignment + kAlignment - 1) / kAlignment * kAlignment;
  return start;
}

const std::vector<std::uint8_t>* AddressSpace::BlockAt(std::uint32_t address,
                                                       std::uint32_t& start) const {
  auto after = blocks_.upper_bound(address);
  if (after == blocks_.begin()) return nullptr;
  const auto block = std::prev(after);
  if (address - block->first >= block->second.size()) return nullptr;
  start = block->first;
  return &block->second;
}

bool AddressSpace::Covered(std::uint32_t address, std::size_t size) const {
  if (size == 0) return true;
  if (static_cast<std::uint64_t>(address) + size > kAddressLimit) return false;
  std::uint32_t start = 0;
  const std::vector<std::uint8_t>* block = BlockAt(address, start);
  return block != nullptr && (address - start) + size <= block->size();
}

bool AddressSpace::Read(std::uint32_t address, void* buffer, std::size_t size) const {
  if (!Covered(address, size)) return false;
  if (size == 0) return true;
  std::uint32_t start = 0;
  const std::vector<std::uint8_t>* block = BlockAt(address, start);
  std::memcpy(buffer, block->data() + (address - start), size);
  return true;
}

bool AddressSpace::Write(std::uint32_t address, const void* data, std::size_t size) {
  if (!Covered(address, size)) return false;
  if (size == 0) return true;
  std::uint32_t start = 0;
  BlockAt(address, start);
  std::memcpy(blocks_.at(start).data() + (address - start), data, size);
  return true;
}

}  // namespace winsys::sim
