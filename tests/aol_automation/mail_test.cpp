// The five mail operations against the stand-in client in both layouts: what the client
// delivered, which windows are left, and every wait for the client ending at its bound while the
// program's own timer keeps firing.

#include <gtest/gtest.h>

#include "aol_automation/automation_fixture.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/mail_operations.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/window_operations.h"

namespace vornik32::testing {
namespace {

class MailTest : public AutomationFixture {
 protected:
  HWND MailboxTree() {
    return FirstChild(program_, ContentWindow(program_, kMailboxCaption), kTreeClass);
  }

  void OpenLoadedMailbox() {
    ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
    ASSERT_EQ(ListCount(program_, MailboxTree()), client_.MailboxCount());
  }

  // The mail at position opened and its forward window brought up, as a user would.
  HWND OpenForwardWindowByHand(int position) {
    SetListIndex(program_, MailboxTree(), position);
    ClickWindow(program_,
                FirstChild(program_, ContentWindow(program_, kMailboxCaption), kIconClass));
    EXPECT_TRUE(PumpUntil([&] { return FindReadMailWindow(program_) != 0; }));
    ClickWindow(program_, NthChild(program_, FindReadMailWindow(program_), kIconClass,
                                   numbers().read_mail_forward_icon));
    EXPECT_TRUE(PumpUntil([&] { return FindComposeWindow(program_) != 0; }));
    return FindComposeWindow(program_);
  }
};
AUTOMATION_BOTH_LAYOUTS(MailTest);

// --- OpenMailbox ---------------------------------------------------------------------------------

TEST_P(MailTest, AMailboxThatFillsSlowlyIsWaitedForToTheEnd) {
  client_.GenerateFlashMails(100, "Title");
  client_.SetDelay(aolsim::Delay::kMailbox, 20);  // five lines a second
  const double started = Now();
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 100);
  EXPECT_GE(Now() - started, 19);
}

TEST_P(MailTest, ALargeMailboxAtTheClientsSteadyRateIsWaitedForToTheEnd) {
  client_.GenerateFlashMails(3000, "Title");
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 3000);
}

TEST_P(MailTest, AnEmptyMailboxCountsAsLoaded) {
  const double started = Now();
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_NE(MailboxTree(), 0u);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 0);
  EXPECT_LT(Now() - started, 3);
}

TEST_P(MailTest, AMailboxThatNeverOpensEndsTheWaitAtItsBound) {
  client_.SetFault(aolsim::Fault::kNoMailbox);
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(OpenMailboxForClient(program_, bounds_), started, bounds_.window_appears,
                    ticker);
}

TEST_P(MailTest, AMailboxThatNeverStopsGrowingEndsTheWaitAtItsBound) {
  client_.GenerateFlashMails(10, "Title");
  std::function<void()> add_one = [&] {
    client_.AddFlashMails({"More"});
    desktop_.ScheduleAt(Now() + 0.1, add_one);
  };
  desktop_.ScheduleAt(Now() + 0.1, add_one);
  bounds_.mailbox_fills = 10;
  const ProgramTicker ticker(program_);
  const double started = Now();
  const Outcome outcome = OpenMailboxForClient(program_, bounds_);
  ExpectGaveUpAfter(outcome, started, bounds_.mailbox_fills, ticker);
}

// --- ForwardMail ---------------------------------------------------------------------------------

TEST_P(MailTest, AForwardedMailReachesItsRecipientWithTheNoteAndLeavesNoWindowBehind) {
  client_.AddFlashMails({"Alpha", "Beta", "Gamma"});
  OpenLoadedMailbox();
  const std::string note = "<b>\x95 Served by tollmere</b>\r\nline two";
  ASSERT_EQ(ForwardMailForClient(program_, "Joe, (Ann)", note, 1, CloseAfter::kYes, bounds_),
            Outcome::kDone);
  Pump(1);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  const aolsim::Delivery& sent = client_.Deliveries().front();
  EXPECT_EQ(sent.kind, aolsim::DeliveryKind::kForward);
  EXPECT_EQ(sent.recipients_text, "Joe, (Ann)");
  EXPECT_EQ(sent.subject, "Beta") << "the client's five-character prefix is taken off";
  EXPECT_EQ(sent.text, note);
  EXPECT_EQ(sent.mailbox_position, 1);
  EXPECT_EQ(sent.stored_subject, "Beta");
  EXPECT_EQ(FindComposeWindow(program_), 0u);
  EXPECT_EQ(FindReadMailWindow(program_), 0u);
  EXPECT_NE(ContentWindow(program_, kMailboxCaption), 0u) << "the mailbox stays for the next";
  EXPECT_GE(client_.StopIncomingTextCount(), 1);
}

TEST_P(MailTest, SuccessiveForwardsEachSendTheirOwnMail) {
  client_.AddFlashMails({"Alpha", "Beta", "Gamma"});
  OpenLoadedMailbox();
  for (const int position : {2, 0, 2}) {
    ASSERT_EQ(ForwardMailForClient(program_, "Joe", "note", position, CloseAfter::kYes, bounds_),
              Outcome::kDone);
  }
  Pump(1);
  ASSERT_EQ(client_.Deliveries().size(), 3u);
  EXPECT_EQ(client_.Deliveries()[0].stored_subject, "Gamma");
  EXPECT_EQ(client_.Deliveries()[1].stored_subject, "Alpha");
  EXPECT_EQ(client_.Deliveries()[2].stored_subject, "Gamma");
}

TEST_P(MailTest, ASubjectOfFiveCharactersOrFewerIsForwardedEmpty) {
  client_.AddFlashMails({"", "Hi"});
  OpenLoadedMailbox();
  ASSERT_EQ(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kYes, bounds_),
            Outcome::kDone);
  ASSERT_EQ(ForwardMailForClient(program_, "Joe", "n", 1, CloseAfter::kYes, bounds_),
            Outcome::kDone);
  Pump(1);
  ASSERT_EQ(client_.Deliveries().size(), 2u);
  EXPECT_EQ(client_.Deliveries()[0].subject, "") << "\"Fwd: \" has five characters";
  EXPECT_EQ(client_.Deliveries()[1].subject, "Hi");
}

TEST_P(MailTest, WithoutCloseAfterTheForwardWindowAndTheOpenMailStayOnScreen) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  ASSERT_EQ(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kNo, bounds_),
            Outcome::kDone);
  EXPECT_NE(FindComposeWindow(program_), 0u);
  EXPECT_NE(FindReadMailWindow(program_), 0u);
  Pump(2);
  EXPECT_EQ(client_.Deliveries().size(), 1u) << "the posted Send click was handled";
  EXPECT_NE(FindReadMailWindow(program_), 0u) << "the open mail is left to the caller";
}

TEST_P(MailTest, AForwardWindowAlreadyOpenIsUsedWithoutClickingForwardAgain) {
  client_.AddFlashMails({"Alpha", "Beta"});
  OpenLoadedMailbox();
  const HWND compose = OpenForwardWindowByHand(1);
  const HWND subject = NthChild(program_, compose, kEditClass, 3);
  SetWindowTextByMessage(program_, subject, "Re");
  const MessageSpy forward_button(client_process_,
                                  NthChild(program_, FindReadMailWindow(program_), kIconClass,
                                           numbers().read_mail_forward_icon));
  ASSERT_EQ(ForwardMailForClient(program_, "Joe", "n", 1, CloseAfter::kYes, bounds_),
            Outcome::kDone);
  EXPECT_EQ(forward_button.count(winsys::WM_LBUTTONDOWN), 0);
  Pump(1);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  EXPECT_EQ(client_.Deliveries()[0].stored_subject, "Beta");
  EXPECT_EQ(client_.Deliveries()[0].subject, "") << "\"Re\" is shorter than the prefix";
}

TEST_P(MailTest, AMailThatNeverOpensEndsTheWaitAtItsBound) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  client_.SetFault(aolsim::Fault::kNoRead);
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kYes, bounds_),
                    started, bounds_.mail_opens, ticker);
  Pump(1);
  EXPECT_TRUE(client_.Deliveries().empty());
}

TEST_P(MailTest, WithoutTheMailboxAForwardGivesUpAtOnce) {
  client_.AddFlashMails({"Alpha"});
  const double started = Now();
  EXPECT_EQ(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kYes, bounds_),
            Outcome::kGaveUp);
  EXPECT_LT(Now() - started, 1);
  Pump(1);
  EXPECT_TRUE(client_.Deliveries().empty());
}

TEST_P(MailTest, APositionBeyondTheListOpensNothingAndEndsAtTheBound) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(ForwardMailForClient(program_, "Joe", "n", 5, CloseAfter::kYes, bounds_),
                    started, bounds_.mail_opens, ticker);
}

TEST_P(MailTest, AForwardWindowThatNeverComesEndsTheWaitAtItsBound) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  client_.SetDelay(aolsim::Delay::kForward, 1000);
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kYes, bounds_),
                    started, bounds_.window_appears, ticker);
  EXPECT_TRUE(client_.Deliveries().empty());
}

TEST_P(MailTest, AForwardWindowThatWillNotCloseEndsTheWaitAtItsBound) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  const HWND compose = OpenForwardWindowByHand(0);
  const MessageSpy stubborn(client_process_, compose, {winsys::WM_CLOSE, winsys::WM_DESTROY});
  const ProgramTicker ticker(program_);
  const double started = Now();
  // No recipient: the client does not send, so it does not close the window itself either.
  const Outcome outcome = ForwardMailForClient(program_, "", "n", 0, CloseAfter::kYes, bounds_);
  ExpectGaveUpAfter(outcome, started, bounds_.window_closes, ticker);
  EXPECT_GE(stubborn.count(winsys::WM_CLOSE), 2) << "asked again each round";
  EXPECT_NE(FindReadMailWindow(program_), 0u) << "nothing more is done after giving up";
}

// --- SendMail ------------------------------------------------------------------------------------

TEST_P(MailTest, ANewMailIsSentWithRecipientSubjectAndBody) {
  const std::string body = "Mails served: 12\r\n\x95 Joe\r\n\x95 Ann";
  ASSERT_EQ(SendMailForClient(program_, "Joe, (Ann)", "Serving report", body, bounds_),
            Outcome::kDone);
  Pump(1);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  const aolsim::Delivery& sent = client_.Deliveries().front();
  EXPECT_EQ(sent.kind, aolsim::DeliveryKind::kNewMail);
  EXPECT_EQ(sent.recipients_text, "Joe, (Ann)");
  EXPECT_EQ(sent.subject, "Serving report");
  EXPECT_EQ(sent.text, body);
}

TEST_P(MailTest, TheOtherLayoutsVariantClicksTheWrongButtonAndSendsNothing) {
  const Outcome outcome = IsVersion5() ? aol432::SendMail(program_, "Joe", "S", "B", bounds_)
                                       : vornik32::SendMail(program_, "Joe", "S", "B", bounds_);
  EXPECT_EQ(outcome, Outcome::kDone);
  Pump(1);
  EXPECT_TRUE(client_.Deliveries().empty());
}

TEST_P(MailTest, AWriteMailWindowThatNeverComesEndsTheWaitAtItsBound) {
  client_.SetDelay(aolsim::Delay::kWrite, 1000);
  const ProgramTicker ticker(program_);
  const double started = Now();
  ExpectGaveUpAfter(SendMailForClient(program_, "Joe", "S", "B", bounds_), started,
                    bounds_.window_appears, ticker);
}

TEST_P(MailTest, AStuckWriteMailWindowIsLeftToTheClient) {
  client_.SetFault(aolsim::Fault::kSendStuck);
  EXPECT_EQ(SendMailForClient(program_, "Joe", "S", "B", bounds_), Outcome::kDone);
  Pump(2);
  EXPECT_TRUE(client_.Deliveries().empty());
  EXPECT_NE(ContentWindow(program_, kWriteMailCaption), 0u);
}

// --- RunFlashSession and SetMailPreferences --------------------------------------------------

TEST_P(MailTest, AFlashSessionIsStartedWithOnlyTheSecondChoiceSet) {
  client_.AddFlashMails({"Old"});
  client_.NewMail("Fresh", "body");
  ASSERT_EQ(RunFlashSessionForClient(program_, Check::kCleared, bounds_), Outcome::kDone);
  EXPECT_EQ(client_.AutomaticAolChoices(),
            (std::vector<bool>{false, true, false, false, false, false}));
  ASSERT_TRUE(PumpUntil([&] { return client_.FlashSessions().size() == 1; }));
  EXPECT_EQ(client_.MailboxSubjects(), (std::vector<std::string>{"Fresh", "Old"}));
}

TEST_P(MailTest, MailPreferencesAreSetAndTheDialogIsClosed) {
  ASSERT_EQ(SetMailPreferencesForClient(program_, bounds_), Outcome::kDone);
  EXPECT_EQ(client_.MailPreferences(), (std::vector<bool>{false, true}));
  EXPECT_EQ(program_.FindWindow(kClientDialogClass, kMailPreferencesCaption), 0u);
}

// The other layout's variant presses Down a different number of times: its item opens nothing,
// as when a client's menu item has moved.
TEST_P(MailTest, AMenuItemThatMovedEndsTheWaitForItsWindowAtTheBound) {
  const ProgramTicker ticker(program_);
  double started = Now();
  ExpectGaveUpAfter(IsVersion5() ? aol432::RunFlashSession(program_, Check::kCleared, bounds_)
                                 : vornik32::RunFlashSession(program_, Check::kCleared, bounds_),
                    started, bounds_.window_appears, ticker);
  EXPECT_FALSE(client_.AutomaticAolChoices().has_value());
  started = Now();
  ExpectGaveUpAfter(IsVersion5() ? aol432::SetMailPreferences(program_, bounds_)
                                 : vornik32::SetMailPreferences(program_, bounds_),
                    started, bounds_.window_appears, ticker);
  EXPECT_FALSE(client_.MailPreferences().has_value());
}

TEST_P(MailTest, MailPreferencesThatWillNotCloseEndTheWaitAtTheBound) {
  // The dialog's OK button ignores clicks from the moment it appears: the dialog is made hidden
  // and shown a moment later, so the desktop is idle with it before the program can click.
  std::unique_ptr<MessageSpy> deaf_button;
  const int hook = desktop_.AddIdleHook([&] {
    const HWND dialog = program_.FindWindow(kClientDialogClass, kMailPreferencesCaption);
    if (dialog == 0 || deaf_button) return;
    deaf_button = std::make_unique<MessageSpy>(
        client_process_, FirstChild(program_, dialog, kIconClass),
        std::vector<winsys::UINT>{winsys::WM_LBUTTONDOWN, winsys::WM_LBUTTONUP});
  });
  const ProgramTicker ticker(program_);
  const double started = Now();
  const Outcome outcome = SetMailPreferencesForClient(program_, bounds_);
  desktop_.RemoveIdleHook(hook);
  ExpectGaveUpAfter(outcome, started, bounds_.window_closes, ticker);
  ASSERT_TRUE(deaf_button);
  EXPECT_EQ(deaf_button->count(winsys::WM_LBUTTONUP), 1) << "clicked once, sent";
}

}  // namespace
}  // namespace vornik32::testing
