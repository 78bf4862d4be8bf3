#pragma once
// The memory one simulated process lets others read: blocks at 32-bit addresses, as in the
// 32-bit client. Addresses start well above 0, are 16-byte aligned and are never 0; the gaps
// between blocks belong to no one, so a read that strays outside a block fails.

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace winsys::sim {

class AddressSpace {
 public:
  static constexpr std::uint32_t kFirstAddress = 0x0040'0000;

  // 0 when the 32-bit space is used up.
  std::uint32_t Allocate(std::size_t size);
  // Both copy all the bytes or none: every byte must lie inside allocated blocks.
  bool Read(std::uint32_t address, void* buffer, std::size_t size) const;
  bool Write(std::uint32_t address, const void* data, std::size_t size);

 private:
  // The block holding address, or nullptr.
  const std::vector<std::uint8_t>* BlockAt(std::uint32_t address, std::uint32_t& start) const;
  bool Covered(std::uint32_t address, std::size_t size) const;

  std::map<std::uint32_t, std::vector<std::uint8_t>> blocks_;  // by start address
  std::uint64_t next_address_ = kFirstAddress;
};

}  // namespace winsys::sim
