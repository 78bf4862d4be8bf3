// The chat room through the program's doors: the transcript read and emptied, lines posted
// through the input line, and the member list read from the client's memory.

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class ChatRoomTest : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    client_.OpenRoom("Town Square", {"Bo Peep", "Cy"});
    room_ = program_.FindByShape(kChatRoomShape);
    ASSERT_NE(room_, 0u);
  }

  HWND transcript() { return program_.Child(room_, "RICHCNTL", 1); }
  HWND input() { return program_.Child(room_, "RICHCNTL", 2); }

  void Post(const std::string& line) {
    program_.SetText(input(), line);
    program_.Send(input(), winsys::WM_CHAR, 13);
  }

  HWND room_ = 0;
};
AOLSIM_BOTH_LAYOUTS(ChatRoomTest);

TEST_P(ChatRoomTest, RoomIsFoundByShapeAndCaptionedWithItsTitle) {
  EXPECT_EQ(program_.ws().GetWindowText(room_), "Town Square");
  EXPECT_EQ(client_.RoomTitle(), "Town Square");
}

TEST_P(ChatRoomTest, TranscriptHoldsWhatWasSaidSinceItWasEmptied) {
  client_.Say("Bo Peep", "/ada send 12");
  client_.Say("Cy", "hello");
  EXPECT_EQ(program_.Text(transcript()), "Bo Peep:\t /ada send 12\rCy:\t hello\r");

  program_.SetText(transcript(), "");
  client_.Say("Cy", "again");
  EXPECT_EQ(program_.Text(transcript()), "Cy:\t again\r");
}

TEST_P(ChatRoomTest, ALineAReadMissedIsLostWhenTheTranscriptIsEmptied) {
  client_.Say("Cy", "hi");
  client_.Say("Cy", "cut by the read");
  char partial[12];
  program_.Send(transcript(), winsys::WM_GETTEXT, sizeof partial,
                reinterpret_cast<LPARAM>(partial));
  client_.Say("Cy", "said after the read");  // emptied unread by the reader's own choice
  program_.SetText(transcript(), "");
  EXPECT_EQ(client_.LinesLostUnread(), (std::vector<std::size_t>{1}));
}

TEST_P(ChatRoomTest, EnterInTheInputLinePostsItAsTheUsersLine) {
  Post("\x95 tollmere server");
  program_.Send(input(), winsys::WM_CHAR, 13);  // the second Enter of a chat send: nothing
  Post("");

  EXPECT_EQ(program_.Text(input()), "");
  EXPECT_EQ(program_.Text(transcript()), "Ada Reed:\t \x95 tollmere server\r");
  const std::vector<ChatLine> lines = client_.UserLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].sender, "Ada Reed");
  EXPECT_EQ(lines[0].text, "\x95 tollmere server");
  EXPECT_EQ(lines[0].room, "Town Square");
  EXPECT_EQ(lines[0].speaker, Speaker::kUser);
}

TEST_P(ChatRoomTest, LinesAreRecordedWithTheirVirtualTime) {
  client_.Say("Cy", "one");
  program_.RunFor(5);
  Post("two");
  const std::vector<ChatLine>& lines = client_.RoomLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].speaker, Speaker::kMember);
  EXPECT_GE(lines[1].time.seconds - lines[0].time.seconds, 5.0);
}

TEST_P(ChatRoomTest, MemberNamesAreReadThroughItemDataAndProcessMemory) {
  EXPECT_EQ(program_.MemberNames(room_), (std::vector<std::string>{"Ada Reed", "Bo Peep", "Cy"}));

  client_.Join("Sixteen Letters1");  // no 0 after it: all 16 bytes are the name
  client_.Leave("Bo Peep");
  client_.Join("Di");
  EXPECT_EQ(program_.MemberNames(room_),
            (std::vector<std::string>{"Ada Reed", "Cy", "Sixteen Letters1", "Di"}));
  EXPECT_EQ(client_.RoomMembers(), program_.MemberNames(room_));
}

TEST_P(ChatRoomTest, MemberRecordsHoldFourByteAddressesAtTheirOffsets) {
  const HWND list = program_.Child(room_, "_AOL_Listbox");
  DWORD pid = 0;
  program_.ws().GetWindowThreadProcessId(list, &pid);
  EXPECT_NE(pid, program_.ws().GetCurrentProcessId());
  const winsys::HANDLE process = program_.ws().OpenProcess(winsys::PROCESS_VM_READ, false, pid);
  const auto item = static_cast<std::uint32_t>(program_.Send(list, winsys::LB_GETITEMDATA, 2));
  unsigned char bytes[4] = {};
  ASSERT_TRUE(program_.ws().ReadProcessMemory(process, item + 24, bytes, 4, nullptr));
  const std::uint32_t record =
      bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  char name[17] = {};
  ASSERT_TRUE(program_.ws().ReadProcessMemory(process, record + 6, name, 16, nullptr));
  EXPECT_STREQ(name, "Cy");
  // The items have no text of their own.
  EXPECT_EQ(program_.Send(list, winsys::LB_GETTEXTLEN, 0), winsys::LB_ERR);
  program_.ws().CloseHandle(process);
}

TEST_P(ChatRoomTest, ClosedRoomTakesNoLines) {
  client_.CloseRoom();
  client_.Say("Cy", "into the void");
  EXPECT_EQ(program_.FindByShape(kChatRoomShape), 0u);
  EXPECT_TRUE(client_.RoomLines().empty());
}

}  // namespace
}  // namespace aolsim::testing
