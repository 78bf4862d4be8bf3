// Running the client's commands (toolbar popup menus, the menu bar, the address box) and instant
// messages, against the stand-in client in both layouts.

#include <gtest/gtest.h>

#include "aol_automation/automation_fixture.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/window_operations.h"

namespace vornik32::testing {
namespace {

class ToolbarAndMessagesTest : public AutomationFixture {
 protected:
  const aolsim::InstantMessage& LastInstantMessage() { return client_.InstantMessages().back(); }
};
AUTOMATION_BOTH_LAYOUTS(ToolbarAndMessagesTest);

// --- Menu bar, address box, toolbar
// ----------------------------------------------------------------

TEST_P(ToolbarAndMessagesTest, TheFirstMenuBarItemHoldingTheTextRunsItsCommand) {
  struct Case {
    const char* text;
    std::vector<winsys::WPARAM> commands;  // what the main window receives
  };
  const Case cases[] = {
      {"S&top Incoming Text", {1105}},
      {"s&TOP incoming", {1105}},  // letter case does not count
      {"Stop Incoming Text", {}},  // the ampersand is part of the text
      {"&", {1101}},               // the first item of the first menu
      {"Sign &Off", {1401}},       // a later menu
      {"&about", {1502}},          // the last item
      {"No such item", {}},
  };
  for (const Case& c : cases) {
    const MessageSpy main(client_process_, client_.main_window());
    RunMenuItem(program_, c.text);
    EXPECT_EQ(main.wparams(winsys::WM_COMMAND), c.commands) << c.text;
  }
  EXPECT_EQ(client_.StopIncomingTextCount(), 2);
}

TEST_P(ToolbarAndMessagesTest, AnAddressIsTypedIntoTheAddressBoxAndEntered) {
  GoToAddress(program_, "http://example.com/tollmere");
  GoToAddress(program_, "keyword Music");
  EXPECT_EQ(client_.VisitedAddresses(),
            (std::vector<std::string>{"http://example.com/tollmere", "keyword Music"}));
}

TEST_P(ToolbarAndMessagesTest, AToolbarMenuItemIsRunWithTheCursorOutOfTheWayAndPutBack) {
  program_.SetCursorPos(100, 200);
  std::optional<winsys::Point> cursor_while_open;
  const int hook = desktop_.AddIdleHook([&] {
    if (program_.IsWindowVisible(program_.FindWindow("#32768", nullptr))) {
      cursor_while_open = program_.GetCursorPos();
    }
  });
  const int write_mail_item = IsVersion5() ? 3 : 2;
  EXPECT_EQ(RunToolbarMenu(program_, 3, write_mail_item, Submenu::kStay, 0, bounds_),
            Outcome::kDone);
  desktop_.RemoveIdleHook(hook);
  EXPECT_EQ(program_.GetCursorPos(), (winsys::Point{100, 200}));
  ASSERT_TRUE(cursor_while_open.has_value());
  EXPECT_EQ(cursor_while_open->x, program_.GetSystemMetrics(winsys::SM_CXSCREEN) - 1);
  EXPECT_EQ(cursor_while_open->y, program_.GetSystemMetrics(winsys::SM_CYSCREEN) - 1);
  EXPECT_TRUE(RunUntil([&] { return ContentWindow(program_, kWriteMailCaption) != 0; }));
}

TEST_P(ToolbarAndMessagesTest, ASubmenuItemIsReachedWithRightAndDown) {
  // The filing cabinet's first item is the mailbox; its second has no window to show.
  const int filing_cabinet = numbers().mailbox_folder_item;
  EXPECT_EQ(RunToolbarMenu(program_, 3, filing_cabinet, Submenu::kEnter, 1, bounds_),
            Outcome::kDone);
  EXPECT_TRUE(RunUntil([&] { return ContentWindow(program_, kMailboxCaption) != 0; }));
}

TEST_P(ToolbarAndMessagesTest, APopupThatNeverShowsEndsTheWaitAtItsBoundAndPutsTheCursorBack) {
  program_.SetCursorPos(300, 400);
  const ProgramTicker ticker(program_);
  const double started = Now();
  // Button 1 opens no menu.
  ExpectGaveUpAfter(RunToolbarMenu(program_, 1, 2, Submenu::kStay, 0, bounds_), started,
                    bounds_.popup_menu, ticker);
  EXPECT_EQ(program_.GetCursorPos(), (winsys::Point{300, 400}));
}

// --- Instant messages
// ------------------------------------------------------------------------------

TEST_P(ToolbarAndMessagesTest, AnInstantMessageIsSentAndItsConversationClosed) {
  ASSERT_EQ(SendInstantMessage(program_, "Bo Peep", "hi \x95 there", CloseAfter::kYes, bounds_),
            Outcome::kDone);
  ASSERT_EQ(client_.InstantMessages().size(), 1u);
  EXPECT_EQ(LastInstantMessage().recipient, "Bo Peep");
  EXPECT_EQ(LastInstantMessage().text, "hi \x95 there");
  EXPECT_EQ(LastInstantMessage().outcome, aolsim::InstantMessageOutcome::kSent);
  RunFor(0.5);
  EXPECT_EQ(ContentWindow(program_, "  Instant Message To: Bo Peep"), 0u);
  EXPECT_EQ(ContentWindow(program_, kNewInstantMessageCaption), 0u);
}

TEST_P(ToolbarAndMessagesTest, WithoutCloseAfterTheConversationStaysOpen) {
  ASSERT_EQ(SendInstantMessage(program_, "Bo Peep", "hi", CloseAfter::kNo, bounds_),
            Outcome::kDone);
  RunFor(0.5);
  EXPECT_NE(ContentWindow(program_, "  Instant Message To: Bo Peep"), 0u);
}

TEST_P(ToolbarAndMessagesTest, ARefusedMessageIsDismissedAndItsWindowClosed) {
  client_.SetFault(aolsim::Fault::kImRefused);
  ASSERT_EQ(SendInstantMessage(program_, "Bo Peep", "hi", CloseAfter::kYes, bounds_),
            Outcome::kDone);
  RunFor(0.5);
  EXPECT_EQ(LastInstantMessage().outcome, aolsim::InstantMessageOutcome::kRefused);
  EXPECT_EQ(program_.FindWindow(kMessageBoxClass, kNoticeCaption), 0u);
  EXPECT_EQ(ContentWindow(program_, kNewInstantMessageCaption), 0u);
}

TEST_P(ToolbarAndMessagesTest, InstantMessagesAreSwitchedOffAndOnWithTheTwoPseudoNames) {
  ASSERT_EQ(InstantMessagesOff(program_, bounds_), Outcome::kDone);
  EXPECT_FALSE(client_.InstantMessagesOn());
  EXPECT_EQ(LastInstantMessage().recipient, "$im_off");
  EXPECT_EQ(LastInstantMessage().text, " ");
  ASSERT_EQ(InstantMessagesOn(program_, bounds_), Outcome::kDone);
  EXPECT_TRUE(client_.InstantMessagesOn());
  EXPECT_EQ(LastInstantMessage().recipient, "$im_on");
  RunFor(0.5);
  EXPECT_TRUE(client_.OpenContentWindowCaptions().size() == 1) << "only the Welcome window";
}

TEST_P(ToolbarAndMessagesTest, AMessageWindowThatNeverComesEndsTheWaitAtItsBound) {
  client_.SetDelay(aolsim::Delay::kInstantMessage, 1000);
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(InstantMessagesOff(program_, bounds_), started, bounds_.window_appears, ticker);
  EXPECT_TRUE(client_.InstantMessages().empty());
}

// A "Send Instant Message" window that nobody answers for: the client's own one is late, and
// the program finds this one, fills it and clicks its Send, which does nothing.
TEST_P(ToolbarAndMessagesTest, AMessageTheClientNeverAnswersEndsTheWaitAtItsBound) {
  client_.SetDelay(aolsim::Delay::kInstantMessage, 1000);
  const HWND dead = MakeContentWindow(kNewInstantMessageCaption,
                                      {{"_AOL_Edit", 1}, {"RICHCNTL", 1}, {"_AOL_Icon", 9}});
  const MessageSpy send(client_process_, NthChild(program_, dead, kIconClass, 9));
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(SendInstantMessage(program_, "Bo Peep", "hi", CloseAfter::kYes, bounds_),
                    started, bounds_.instant_message_answer, ticker);
  EXPECT_EQ(send.count(winsys::WM_LBUTTONUP), 1);
  EXPECT_EQ(GetText(program_, FirstChild(program_, dead, kEditClass)), "Bo Peep");
  EXPECT_TRUE(program_.IsWindow(dead)) << "nothing more is done after giving up";
}

}  // namespace
}  // namespace vornik32::testing
