// The shape walk over the client's content windows: which window wins, what is one child short,
// and what a search that finds nothing costs.

#include "aol_automation/shape_finder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "aol_automation/automation_fixture.h"

namespace vornik32::testing {
namespace {

using Children = std::vector<std::pair<const char*, int>>;

Children ChildrenOf(Signature signature, int extra = 0) {
  Children children;
  for (const ChildCount& need : signature)
    children.emplace_back(need.class_name, need.ordinal + extra);
  return children;
}

struct NamedSignature {
  const char* name;
  Signature signature;
};

const NamedSignature kSignatures[] = {
    {"ChatRoom", kChatRoomShape},
    {"ReadMail", kReadMailShape},
    {"Compose", kComposeShape},
    {"Welcome", kWelcomeShape},
};

class ShapeFinderTest : public AutomationFixture {
 protected:
  void SetUp() override {
    AutomationFixture::SetUp();
    client_.SignOff();  // the Welcome window would match its own signature
  }
};
AUTOMATION_BOTH_LAYOUTS(ShapeFinderTest);

TEST_P(ShapeFinderTest, AWindowOneChildShortOfASignatureIsNotMatched) {
  for (const NamedSignature& named : kSignatures) {
    for (std::size_t short_class = 0; short_class < named.signature.size(); ++short_class) {
      Children children = ChildrenOf(named.signature);
      --children[short_class].second;
      const HWND window = MakeContentWindow("Almost", children);
      EXPECT_FALSE(HasShape(program_, window, named.signature))
          << named.name << " short of one " << children[short_class].first;
      const ShapeSearch search = FindByShape(program_, named.signature);
      EXPECT_EQ(search.window, 0u) << named.name << " short of one " << children[short_class].first;
      DestroyContentWindow(window);
    }
  }
}

TEST_P(ShapeFinderTest, ExactAndLargerShapesMatch) {
  for (const NamedSignature& named : kSignatures) {
    for (const int extra : {0, 1, 5}) {
      const HWND window = MakeContentWindow("Match", ChildrenOf(named.signature, extra));
      const ShapeSearch search = FindByShape(program_, named.signature);
      EXPECT_EQ(search.window, window) << named.name << " with " << extra << " more of each";
      EXPECT_EQ(search.further_probes, 0) << "the first window matched";
      DestroyContentWindow(window);
    }
  }
}

TEST_P(ShapeFinderTest, OfTwoChatRoomsTheFirstInChildOrderWins) {
  client_.OpenRoom("Lobby", {"Bo"});
  const HWND lobby = FindChatRoom(program_);
  ASSERT_NE(lobby, 0u);
  const HWND second = MakeContentWindow("Second Room", ChildrenOf(kChatRoomShape));
  ASSERT_EQ(ContentWindows().front(), second) << "a new MDI child goes to the front";
  EXPECT_EQ(FindChatRoom(program_), second);

  const HWND mdi = program_.FindWindowEx(client_.main_window(), 0, "MDIClient", nullptr);
  program_.SendMessage(mdi, winsys::WM_MDIACTIVATE, lobby, 0);
  ASSERT_EQ(ContentWindows().front(), lobby);
  EXPECT_EQ(FindChatRoom(program_), lobby);
}

// A person may have any number of mails open in front of the room.
TEST_P(ShapeFinderTest, TheOnlyMatchBehindThreeHundredWindowsIsReached) {
  const HWND room = MakeContentWindow("Room", ChildrenOf(kChatRoomShape));
  for (int i = 0; i < 300; ++i) MakeContentWindow("Other", {{"_AOL_Static", 5}, {"RICHCNTL", 2}});
  ASSERT_EQ(ContentWindows().back(), room);
  const ShapeSearch search = FindByShape(program_, kChatRoomShape);
  EXPECT_EQ(search.window, room);
  EXPECT_EQ(search.further_probes, 300);
}

TEST_P(ShapeFinderTest, NoMatchLooksAtEveryWindowOnce) {
  int made = 0;
  for (const int windows : {0, 1, 3, 150}) {
    for (; made < windows; ++made) MakeContentWindow("Other", {{"_AOL_Icon", 3}});
    ASSERT_EQ(static_cast<int>(ContentWindows().size()), windows);
    for (const NamedSignature& named : kSignatures) {
      const ShapeSearch search = FindByShape(program_, named.signature);
      EXPECT_EQ(search.window, 0u);
      EXPECT_EQ(search.further_probes, std::max(windows - 1, 0))
          << named.name << ", " << windows << " windows";
    }
  }
}

TEST_P(ShapeFinderTest, TheWindowFoundBeforeIsProbedAgainNotTrusted) {
  const HWND gone = MakeContentWindow("Room", ChildrenOf(kChatRoomShape));
  EXPECT_EQ(WindowOfShapeFoundBefore(program_, kChatRoomShape, winsys::kNoWindow), gone);
  const HWND room = MakeContentWindow("Room", ChildrenOf(kChatRoomShape));
  DestroyContentWindow(gone);
  EXPECT_EQ(WindowOfShapeFoundBefore(program_, kChatRoomShape, gone), room);
}

TEST_P(ShapeFinderTest, EachFinderFindsTheClientsOwnWindow) {
  client_.SignOn(kUserName);
  client_.OpenRoom("Lobby", {"Bo"});
  EXPECT_EQ(program_.GetWindowText(FindWelcomeWindow(program_)).substr(0, 9), "Welcome, ");
  EXPECT_EQ(program_.GetWindowText(FindChatRoom(program_)), "Lobby");
  EXPECT_EQ(FindReadMailWindow(program_), 0u);
  EXPECT_EQ(FindComposeWindow(program_), 0u);
}

}  // namespace
}  // namespace vornik32::testing
