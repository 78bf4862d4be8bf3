// The operations on single windows, the version probe and the screen name, against the stand-in
// client in both layouts, and every operation without a client at all.

#include "aol_automation/window_operations.h"

#include <gtest/gtest.h>

#include "aol_automation/automation.h"
#include "aol_automation/automation_fixture.h"
#include "shared/winsys/wait.h"

namespace vornik32::testing {
namespace {

class WindowOperationsTest : public AutomationFixture {};
AUTOMATION_BOTH_LAYOUTS(WindowOperationsTest);

TEST_P(WindowOperationsTest, VersionProbeTellsTheLayouts) {
  EXPECT_EQ(aol432::IsAOL5(program_), IsVersion5());
}

TEST_P(WindowOperationsTest, ScreenNameIsCutOutOfTheWelcomeCaption) {
  EXPECT_TRUE(IsSignedOn(program_));
  EXPECT_EQ(UserScreenName(program_), kUserName);
  client_.SignOn("x Y z");
  EXPECT_EQ(UserScreenName(program_), "x Y z") << "blanks and capitals as the client shows them";
  client_.SignOff();
  EXPECT_FALSE(IsSignedOn(program_));
  EXPECT_EQ(UserScreenName(program_), "");
}

// A Welcome window whose caption has one closing character: the 5.0 layout drops two, so the
// name loses its last letter there; the 4.0 layout gives exactly the name.
TEST_P(WindowOperationsTest, ScreenNameDropsTheClosingCharactersOfTheLayout) {
  client_.SignOff();
  const HWND welcome =
      MakeContentWindow("Welcome, Ada Reed!", {{"RICHCNTL", 8}, {"_AOL_Icon", 21}});
  EXPECT_EQ(UserScreenName(program_), IsVersion5() ? "Ada Ree" : "Ada Reed");
  client_process_.SetWindowText(welcome, "Welcome, ");
  EXPECT_EQ(UserScreenName(program_), "") << "too short to drop the closing characters";
  client_process_.SetWindowText(welcome, "Welcome,");
  EXPECT_EQ(UserScreenName(program_), "");
}

TEST_P(WindowOperationsTest, TextOfAClientControlIsReadLive) {
  client_.OpenRoom("Lobby", {"Bo"});
  client_.Say("Bo", "caf\xE9 \x95 ok");
  const HWND transcript = program_.FindWindowEx(FindChatRoom(program_), 0, "RICHCNTL", nullptr);
  EXPECT_EQ(GetText(program_, transcript), "Bo:\t caf\xE9 \x95 ok\r");
  EXPECT_EQ(GetText(program_, 0), "");
}

TEST_P(WindowOperationsTest, ListOperationsCountAndSelect) {
  client_.AddFlashMails({"One", "Two", "Three"});
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  const HWND tree =
      program_.FindWindowEx(ContentWindow(program_, kMailboxCaption), 0, "_AOL_Tree", nullptr);
  EXPECT_EQ(ListCount(program_, tree), 3);
  SetListIndex(program_, tree, 2);
  EXPECT_EQ(program_.SendMessage(tree, winsys::LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(ListCount(program_, 0), 0);
}

TEST_P(WindowOperationsTest, ClickIsHandledBeforeItReturnsAndCloseIsHandledLater) {
  ClickWindow(program_, ToolbarButton(program_, 3));
  EXPECT_TRUE(program_.IsWindowVisible(program_.FindWindow("#32768", nullptr)))
      << "the mail menu is open when the click returns";

  client_.OpenRoom("Lobby", {"Bo"});
  const HWND room = FindChatRoom(program_);
  CloseWindow(program_, room);
  EXPECT_TRUE(program_.IsWindow(room)) << "posted: not yet handled";
  RunFor(0.1);
  EXPECT_FALSE(program_.IsWindow(room));
}

// Making them topmost is the control kit's (tests/ui, StayOnTop).
TEST_P(WindowOperationsTest, OwnWindowsAreHidden) {
  program_.RegisterClass("TestForm",
                         [this](HWND w, winsys::UINT m, winsys::WPARAM wp, winsys::LPARAM lp) {
                           return program_.DefWindowProc(w, m, wp, lp);
                         });
  winsys::CreateParams params;
  params.class_name = "TestForm";
  params.style = winsys::WS_OVERLAPPEDWINDOW | winsys::WS_VISIBLE;
  params.rect = winsys::Rect{30, 40, 330, 240};
  const HWND form = program_.CreateWindow(params);
  ASSERT_TRUE(program_.IsWindowVisible(form));
  HideWindow(program_, form);
  EXPECT_FALSE(program_.IsWindowVisible(form));
}

TEST_P(WindowOperationsTest, WaitSecondsYieldsToTheProgramsTimers) {
  const ProgramTicker ticker(program_);
  const double start = Now();
  winsys::WaitSeconds(program_, 2);
  EXPECT_GE(Now() - start, 1.5);
  EXPECT_LE(Now() - start, 2.5);
  EXPECT_GE(ticker.ticks(), 14);
}

// Everything accepts a desktop without the client: the finders answer 0, the readers the empty
// text, and the waits for the client give up.
TEST(WithoutClientTest, EveryOperationAnswersNothingAndDoesNothing) {
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop(clock);
  winsys::WindowSystem& program = desktop.CreateProcess("program");
  desktop.SetWatchdog(3600);

  EXPECT_EQ(FindByShape(program, kChatRoomShape).window, 0u);
  EXPECT_EQ(FindByShape(program, kChatRoomShape).further_probes, 0);
  EXPECT_EQ(FindWelcomeWindow(program), 0u);
  EXPECT_FALSE(IsSignedOn(program));
  EXPECT_FALSE(aol432::IsAOL5(program));
  EXPECT_EQ(UserScreenName(program), "");
  EXPECT_EQ(ChatText(program), "");
  ClearChatText(program);
  ChatSend(program, "hello");
  RunMenuItem(program, "S&top Incoming Text");
  GoToAddress(program, "keyword");

  const WaitBounds bounds{.popup_menu = 1, .window_appears = 1};
  const winsys::Point cursor{12, 34};
  program.SetCursorPos(cursor.x, cursor.y);
  EXPECT_EQ(OpenMailboxForClient(program, bounds), Outcome::kGaveUp);
  EXPECT_EQ(SendMailForClient(program, "Joe", "Hi", "Body", bounds), Outcome::kGaveUp);
  EXPECT_EQ(InstantMessagesOff(program, bounds), Outcome::kGaveUp);
  EXPECT_EQ(program.GetCursorPos(), cursor) << "the cursor is put back";
  EXPECT_LT(clock.Now(), 60);
}

}  // namespace
}  // namespace vornik32::testing
