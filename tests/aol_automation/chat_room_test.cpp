// The chat room operations against the stand-in's room, both layouts: the transcript read and
// emptied, lines said through the input line, and the member list read from the client's memory.

#include "aol_automation/chat_room.h"

#include <gtest/gtest.h>

#include "aol_automation/automation_fixture.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/window_operations.h"

namespace vornik32::testing {
namespace {

class Names : public NameList {
 public:
  explicit Names(std::vector<std::string> items = {}) : items_(std::move(items)) {}
  int count() const override { return static_cast<int>(items_.size()); }
  std::string item(int index) const override { return items_.at(static_cast<std::size_t>(index)); }
  void add(const std::string& name) override { items_.push_back(name); }
  const std::vector<std::string>& items() const { return items_; }

 private:
  std::vector<std::string> items_;
};

class ChatRoomTest : public AutomationFixture {
 protected:
  void SetUp() override {
    AutomationFixture::SetUp();
    client_.OpenRoom("Lobby", {"Bo", "CAROL"});
  }
  HWND InputLine() {
    const HWND room = FindChatRoom(program_);
    return NthChild(program_, room, kRichTextClass, 2);
  }
  HWND MemberList() { return FirstChild(program_, FindChatRoom(program_), kListClass); }
  std::vector<std::string> UserLineTexts() {
    std::vector<std::string> texts;
    for (const aolsim::ChatLine& line : client_.UserLines()) texts.push_back(line.text);
    return texts;
  }
};
AUTOMATION_BOTH_LAYOUTS(ChatRoomTest);

TEST_P(ChatRoomTest, AfterClearingTheTranscriptOnlyLaterLinesAreRead) {
  client_.Say("Bo", "first");
  EXPECT_EQ(ChatText(program_), "Bo:\t first\r");
  ClearChatText(program_);
  EXPECT_EQ(ChatText(program_), "");
  client_.Say("CAROL", "second");
  client_.Say("Bo", "third");
  EXPECT_EQ(ChatText(program_), "CAROL:\t second\rBo:\t third\r");
}

TEST_P(ChatRoomTest, ALineIsSaidThroughTheInputLineCutToWhatTheRoomCarries) {
  const std::string bullet_line = "\x95 Joe 12 was sent \xE9";
  const std::string long_line(100000, 'x');
  ChatSend(program_, bullet_line);
  ChatSend(program_, long_line);
  EXPECT_EQ(UserLineTexts(),
            (std::vector<std::string>{bullet_line, long_line.substr(0, kLongestChatLine)}));
  EXPECT_EQ(client_.UserLines().front().sender, kUserName);
  EXPECT_EQ(GetText(program_, InputLine()), "");
  EXPECT_NE(ChatText(program_).find(bullet_line), std::string::npos);
}

TEST_P(ChatRoomTest, AnEmptyLineStillPressesEnterTwice) {
  const MessageSpy spy(client_process_, InputLine());
  ChatSend(program_, "");
  EXPECT_EQ(spy.wparams(winsys::WM_CHAR), (std::vector<winsys::WPARAM>{13, 13}));
  EXPECT_TRUE(client_.UserLines().empty()) << "the client says nothing for an empty line";
}

TEST_P(ChatRoomTest, WithoutARoomNothingIsReadOrSaid) {
  client_.CloseRoom();
  EXPECT_EQ(ChatText(program_), "");
  ClearChatText(program_);
  ChatSend(program_, "hello");
  Names target;
  AddRoomMembers(program_, target, IncludeSelf::kYes, UniqueOnly::kNo);
  EXPECT_TRUE(target.items().empty());
  EXPECT_TRUE(client_.UserLines().empty());
}

TEST_P(ChatRoomTest, MembersAreAddedLeavingOutTheUserAndNamesTheTargetHolds) {
  const std::string sixteen = "abcdefghijklmnop";
  client_.Join(sixteen);
  client_.Join("Ren\xC9");
  Names target({"carol", "ren\xE9"});
  AddRoomMembers(program_, target, IncludeSelf::kNo, UniqueOnly::kYes);
  EXPECT_EQ(target.items(), (std::vector<std::string>{"carol", "ren\xE9", "Bo", sixteen}));
}

TEST_P(ChatRoomTest, WithEverythingIncludedEveryMemberIsAddedInListOrder) {
  client_.Join("Bo");  // a second record with the same name
  Names target({"bo"});
  AddRoomMembers(program_, target, IncludeSelf::kYes, UniqueOnly::kNo);
  EXPECT_EQ(target.items(), (std::vector<std::string>{"bo", kUserName, "Bo", "CAROL", "Bo"}));
}

TEST_P(ChatRoomTest, OnlyTheExactSpellingOfTheUsersNameIsLeftOut) {
  client_.Join("ada reed");
  client_.Join("Ada  Reed");
  Names target;
  AddRoomMembers(program_, target, IncludeSelf::kNo, UniqueOnly::kNo);
  EXPECT_EQ(target.items(), (std::vector<std::string>{"Bo", "CAROL", "ada reed", "Ada  Reed"}));
}

TEST_P(ChatRoomTest, AMemberWhoLeftIsNoLongerListed) {
  client_.Leave("Bo");
  Names target;
  AddRoomMembers(program_, target, IncludeSelf::kNo, UniqueOnly::kYes);
  EXPECT_EQ(target.items(), (std::vector<std::string>{"CAROL"}));
}

TEST_P(ChatRoomTest, AnUnreadableRecordGivesAnEmptyNameAndTheWalkGoesOn) {
  // Item data that points nowhere in the client's memory, as for a member whose record went.
  const HWND list = MemberList();
  client_process_.SendMessage(list, winsys::LB_SETITEMDATA, 1, 0x7FFFFF00);
  client_process_.SendMessage(list, winsys::LB_SETITEMDATA, 2, 0x7FFFFF00);
  Names unique;
  AddRoomMembers(program_, unique, IncludeSelf::kYes, UniqueOnly::kYes);
  EXPECT_EQ(unique.items(), (std::vector<std::string>{kUserName, ""}));
  Names all;
  AddRoomMembers(program_, all, IncludeSelf::kYes, UniqueOnly::kNo);
  EXPECT_EQ(all.items(), (std::vector<std::string>{kUserName, "", ""}));
}

}  // namespace
}  // namespace vornik32::testing
