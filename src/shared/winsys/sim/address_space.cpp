#include "shared/winsys/sim/address_space.h"

#include <algorithm>
#include <cstring>

namespace winsys::sim {
namespace {

constexpr std::uint64_t kAlignment = 8;
constexpr std::uint64_t kAddressLimit = 0x1'0000'0000;

std::uint64_t RoundUp(std::uint64_t value, std::uint64_t step) {
  return (value + step - 1) / step * step;
}

}  // namespace

std::uint32_t AddressSpace::Allocate(std::size_t size) {
  const std::uint64_t length = RoundUp(std::max<std::uint64_t>(size, 1), kAlignment);
  if (length > kAddressLimit) return 0;
  const std::uint32_t address = PlaceInLastRegion(static_cast<std::size_t>(length));
  if (address != 0) blocks_.emplace(address, size);
  return address;
}

std::uint32_t AddressSpace::PlaceInLastRegion(std::size_t length) {
  if (regions_.empty()) return PlaceInNewRegion(length);
  auto& [start, region] = *regions_.rbegin();
  if (region.bytes.size() - region.used < length) return PlaceInNewRegion(length);
  const auto address = static_cast<std::uint32_t>(start + region.used);
  region.used += length;
  return address;
}

std::uint32_t AddressSpace::PlaceInNewRegion(std::size_t length) {
  const std::uint64_t committed = RoundUp(std::max<std::uint64_t>(length, kRegionBytes), 4096);
  if (next_region_ + committed > kAddressLimit) return 0;
  const auto start = static_cast<std::uint32_t>(next_region_);
  Region region;
  region.bytes.assign(static_cast<std::size_t>(committed), 0);
  region.used = length;
  regions_.emplace(start, std::move(region));
  // One unreserved step after each region, so that reading past its end fails.
  next_region_ = RoundUp(next_region_ + committed, kRegionBytes) + kRegionBytes;
  return start;
}

const AddressSpace::Region* AddressSpace::RegionHolding(std::uint32_t address, std::size_t size,
                                                        std::uint32_t& start) const {
  if (static_cast<std::uint64_t>(address) + size > kAddressLimit) return nullptr;
  auto after = regions_.upper_bound(address);
  if (after == regions_.begin()) return nullptr;
  const auto found = std::prev(after);
  if ((address - found->first) + static_cast<std::uint64_t>(size) > found->second.bytes.size()) {
    return nullptr;
  }
  start = found->first;
  return &found->second;
}

bool AddressSpace::InsideOneBlock(std::uint32_t address, std::size_t size) const {
  auto after = blocks_.upper_bound(address);
  if (after == blocks_.begin()) return false;
  const auto block = std::prev(after);
  return (address - block->first) + static_cast<std::uint64_t>(size) <= block->second;
}

bool AddressSpace::Read(std::uint32_t address, void* buffer, std::size_t size) const {
  if (size == 0) return true;
  std::uint32_t start = 0;
  const Region* region = RegionHolding(address, size, start);
  if (region == nullptr) return false;
  std::memcpy(buffer, region->bytes.data() + (address - start), size);
  return true;
}

bool AddressSpace::Write(std::uint32_t address, const void* data, std::size_t size) {
  if (size == 0) return true;
  std::uint32_t start = 0;
  if (!InsideOneBlock(address, size) || RegionHolding(address, size, start) == nullptr) {
    return false;
  }
  std::memcpy(regions_.at(start).bytes.data() + (address - start), data, size);
  return true;
}

}  // namespace winsys::sim
