#pragma once
// The memory one simulated process lets others read: blocks at 32-bit addresses, as in the
// 32-bit client. Blocks are packed into committed regions the way a real program's heap packs
// them, so a read that strays past a block but stays inside its region succeeds (the bytes there
// are zeros or a neighbouring block), as it does on Windows; a read outside every region fails.
// Writes are held to the blocks themselves, to catch the stand-in writing where it did not mean to.

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace winsys::sim {

class AddressSpace {
 public:
  static constexpr std::uint32_t kFirstAddress = 0x0040'0000;
  // A region is committed whole; the next one starts a reservation step further on, which
  // leaves addresses between regions that belong to no one.
  static constexpr std::size_t kRegionBytes = 64 * 1024;

  // 0 when the 32-bit space is used up.
  std::uint32_t Allocate(std::size_t size);
  // Both copy all the bytes or none. A read needs every byte inside one committed region; a
  // write needs every byte inside one allocated block.
  bool Read(std::uint32_t address, void* buffer, std::size_t size) const;
  bool Write(std::uint32_t address, const void* data, std::size_t size);

 private:
  struct Region {
    std::vector<std::uint8_t> bytes;
    std::size_t used = 0;
  };

  // The region whose committed bytes hold [address, address + size), or nullptr.
  const Region* RegionHolding(std::uint32_t address, std::size_t size, std::uint32_t& start) const;
  bool InsideOneBlock(std::uint32_t address, std::size_t size) const;
  // Where length bytes go: after the last region's used bytes, or in a new region when they do
  // not fit there; 0 when the space is used up.
  std::uint32_t PlaceInLastRegion(std::size_t length);
  std::uint32_t PlaceInNewRegion(std::size_t length);

  std::map<std::uint32_t, Region> regions_;      // by start address
  std::map<std::uint32_t, std::size_t> blocks_;  // start address to length
  std::uint64_t next_region_ = kFirstAddress;
};

}  // namespace winsys::sim
