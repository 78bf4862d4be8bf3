// Reading another program's memory, as the chat room's member list is read.

#include <array>
#include <cstdint>
#include <cstring>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

class ProcessMemoryTest : public DesktopTest {
 protected:
  ProcessMemoryTest() {
    record_ = other_.AllocateMemory(12);
    const std::uint8_t bytes[12] = {'J', 'o', 'e', 0, 0x78, 0x56, 0x34, 0x12, 9, 8, 7, 6};
    other_.WriteMemory(record_, bytes, sizeof bytes);
    DWORD process = 0;
    other_.GetWindowThreadProcessId(Make(other_, "room"), &process);
    handle_ = app_.OpenProcess(PROCESS_VM_READ | STANDARD_RIGHTS_REQUIRED, false, process);
  }
  std::uint32_t record_ = 0;
  HANDLE handle_ = 0;
};

TEST_F(ProcessMemoryTest, AddressesAreNonZeroAlignedAndThirtyTwoBit) {
  EXPECT_GE(record_, 0x0040'0000u);
  EXPECT_EQ(record_ % 4, 0u);
  const std::uint32_t next = other_.AllocateMemory(1);
  EXPECT_NE(next, 0u);
  EXPECT_GT(next, record_ + 11);
  EXPECT_NE(other_.AllocateMemory(0), 0u);
}

TEST_F(ProcessMemoryTest, ReadsCopyExactlyTheBytesAskedFor) {
  ASSERT_NE(handle_, 0u);
  std::uint32_t value = 0;
  std::size_t read = 0;
  ASSERT_TRUE(app_.ReadProcessMemory(handle_, record_ + 4, &value, 4, &read));
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(value, 0x12345678u);  // little-endian, as the client lays it out
  char name[4] = {};
  ASSERT_TRUE(app_.ReadProcessMemory(handle_, record_, name, 4, nullptr));
  EXPECT_STREQ(name, "Joe");
}

TEST_F(ProcessMemoryTest, AReadOutsideWhatTheProcessHasFailsAndCopiesNothing) {
  struct Case {
    const char* name;
    std::uint32_t address;
    std::size_t size;
  };
  const std::uint32_t nothing_there = NothingThere();
  ASSERT_NE(nothing_there, 0u);
  const Case cases[] = {
      {"address 0", 0, 4},
      {"where the process has nothing", nothing_there, 4},
      {"top of the space", 0xFFFF'FFFE, 4},
      {"just before", record_ - 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // What lies before the record's region is whatever the real program has put there.
    if (!kSimulated && c.address == record_ - 1) continue;
    std::array<std::uint8_t, 4> buffer = {0xAA, 0xAA, 0xAA, 0xAA};
    std::size_t read = 99;
    EXPECT_FALSE(app_.ReadProcessMemory(handle_, c.address, buffer.data(), c.size, &read));
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xAA, 0xAA, 0xAA, 0xAA}));
  }
}

TEST_F(ProcessMemoryTest, MemoryIsHadByTheRegionSoAReadPastARecordSeesZeros) {
  // A record that ends early does not make the read of its last field fail: the client's
  // neighbouring bytes are readable, and in fresh memory they are zeros.
  std::array<std::uint8_t, 4> buffer = {0xAA, 0xAA, 0xAA, 0xAA};
  std::size_t read = 0;
  ASSERT_TRUE(app_.ReadProcessMemory(handle_, record_ + 10, buffer.data(), 4, &read));
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{7, 6, 0, 0}));
  // Writing is held to what was allocated, so the stand-in cannot scribble past a record.
  const std::uint8_t byte = 1;
  EXPECT_FALSE(other_.WriteMemory(record_ + 16, &byte, 1));
  EXPECT_FALSE(app_.WriteMemory(record_ + 100, &byte, 1));
}

TEST_F(ProcessMemoryTest, EachProgramWritesInItsOwnSpace) {
  SKIP_UNLESS_TWO_PROGRAMS();
  // The two programs' addresses may coincide; their bytes do not.
  const std::uint32_t mine = app_.AllocateMemory(4);
  const std::array<std::uint8_t, 4> ones = {0xFF, 0xFF, 0xFF, 0xFF};
  ASSERT_TRUE(app_.WriteMemory(mine, ones.data(), ones.size()));
  std::array<std::uint8_t, 4> seen = {};
  if (app_.ReadProcessMemory(handle_, mine, seen.data(), seen.size(), nullptr)) {
    EXPECT_NE(seen, ones);
  }
}

TEST_F(ProcessMemoryTest, HandlesNeedAnExistingProcessAndReadAccessToReadAndStayOpenUntilClosed) {
  DWORD process = other_.GetCurrentProcessId();
  std::uint32_t value = 0;
  // A handle is had without read access too; reading through it fails.
  const HANDLE query_only = app_.OpenProcess(STANDARD_RIGHTS_REQUIRED, false, process);
  ASSERT_NE(query_only, 0u);
  EXPECT_FALSE(app_.ReadProcessMemory(query_only, record_, &value, 4, nullptr));
  EXPECT_TRUE(app_.CloseHandle(query_only));
  EXPECT_EQ(app_.OpenProcess(PROCESS_VM_READ, false, 0xDEAD), 0u);
  EXPECT_FALSE(app_.ReadProcessMemory(0x1234, record_, &value, 4, nullptr));
  if (kTwoPrograms) {
    EXPECT_FALSE(other_.ReadProcessMemory(handle_, record_, &value, 4, nullptr))
        << "a handle is only good in the process that opened it";
  }
  EXPECT_TRUE(app_.CloseHandle(handle_));
  EXPECT_FALSE(app_.CloseHandle(handle_));
  EXPECT_FALSE(app_.ReadProcessMemory(handle_, record_, &value, 4, nullptr));
}

}  // namespace
}  // namespace winsys::testing
