// The five mail operations against the stand-in client in both layouts: what the client
// delivered, which windows are left, and every wait for the client ending at its bound while the
// program's own timer keeps firing.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "aol_automation/aol432_mail.h"
#include "aol_automation/automation_fixture.h"
#include "aol_automation/client_mail.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/late_window_sweeper.h"
#include "aol_automation/mailbox_lines.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/vornik32_mail.h"
#include "aol_automation/window_operations.h"

namespace vornik32::testing {
namespace {

class MailScene : public AutomationScene {
 protected:
  explicit MailScene(aolsim::Layout layout) : AutomationScene(layout) {}

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
    EXPECT_TRUE(RunUntil([&] { return FindReadMailWindow(program_) != 0; }));
    ClickWindow(program_, NthChild(program_, FindReadMailWindow(program_), kIconClass,
                                   numbers().read_mail_forward_icon));
    EXPECT_TRUE(RunUntil([&] { return FindComposeWindow(program_) != 0; }));
    return FindComposeWindow(program_);
  }
};

class MailTest : public MailScene, public ::testing::WithParamInterface<aolsim::Layout> {
 protected:
  MailTest() : MailScene(GetParam()) {}
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

TEST_P(MailTest, AnEmptyMailboxCountsAsLoadedOnceItHasStoodStill) {
  const double started = Now();
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_NE(MailboxTree(), 0u);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 0);
  EXPECT_GE(Now() - started, bounds_.mailbox_settles);
  EXPECT_LT(Now() - started, bounds_.mailbox_settles + 2);
}

// A large mailbox pauses while it fills: a count that stood still for a second or two is not the
// end of the list.
TEST_P(MailTest, AMailboxThatPausesWhileItFillsIsWaitedForToTheEnd) {
  client_.GenerateFlashMails(10, "Early");
  desktop_.ScheduleAt(Now() + 2.5, [&] { client_.GenerateFlashMails(10, "Late"); });
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 20);
}

// The bound on the whole fill grows with what has arrived: a list still arriving steadily after
// the bound is not cut short.
TEST_P(MailTest, AMailboxStillArrivingAtTheBoundIsNotCutShort) {
  client_.GenerateFlashMails(2000, "Title");
  client_.SetDelay(aolsim::Delay::kMailbox, 20);  // a hundred lines a second
  bounds_.mailbox_fills = 10;
  ASSERT_EQ(OpenMailboxForClient(program_, bounds_), Outcome::kDone);
  EXPECT_EQ(ListCount(program_, MailboxTree()), 2000);
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
  EXPECT_LT(Now() - started, bounds_.mailbox_fills + 1) << "ten lines a second is no fill";
}

// --- ForwardMail ---------------------------------------------------------------------------------

TEST_P(MailTest, AForwardedMailReachesItsRecipientWithTheNoteAndLeavesNoWindowBehind) {
  client_.AddFlashMails({"Alpha", "Beta", "Gamma"});
  OpenLoadedMailbox();
  const std::string note = "<b>\x95 Served by tollmere</b>\r\nline two";
  const MailResult result =
      ForwardMailForClient(program_, "Joe, (Ann)", note, 1, CloseAfter::kYes, bounds_);
  EXPECT_TRUE(result.sent());
  EXPECT_EQ(result, Outcome::kDone);
  RunFor(1);
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
    ASSERT_TRUE(
        ForwardMailForClient(program_, "Joe", "note", position, CloseAfter::kYes, bounds_).sent());
  }
  RunFor(1);
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
  RunFor(1);
  ASSERT_EQ(client_.Deliveries().size(), 2u);
  EXPECT_EQ(client_.Deliveries()[0].subject, "") << "\"Fwd: \" has five characters";
  EXPECT_EQ(client_.Deliveries()[1].subject, "Hi");
}

TEST_P(MailTest, WithoutCloseAfterTheForwardWindowAndTheOpenMailStayOnScreen) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  const MailResult result = ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kNo, bounds_);
  EXPECT_EQ(result, Outcome::kDone);
  EXPECT_EQ(result.stopped_at, MailStep::kSend) << "not seen sent: the caller closes and checks";
  EXPECT_NE(FindComposeWindow(program_), 0u);
  EXPECT_NE(FindReadMailWindow(program_), 0u);
  RunFor(2);
  EXPECT_EQ(client_.Deliveries().size(), 1u) << "the posted Send click was handled";
  EXPECT_NE(FindReadMailWindow(program_), 0u) << "the open mail is left to the caller";
}

// A person reading and forwarding the very mail asked for: the client shows their open mail
// again on a click on Read. That window is theirs, so the forward does not go (it is tried again
// later), and the person's windows stay as they were.
TEST_P(MailTest, APersonsOpenMailAndForwardWindowAreNeitherUsedNorClosed) {
  client_.AddFlashMails({"Alpha", "Beta"});
  OpenLoadedMailbox();
  const HWND persons_forward = OpenForwardWindowByHand(1);
  const HWND persons_mail = FindReadMailWindow(program_);
  const HWND persons_subject = NthChild(program_, persons_forward, kEditClass, 3);
  SetWindowTextByMessage(program_, persons_subject, "Re: mine");
  const MailResult result =
      ForwardMailForClient(program_, "Joe", "n", 1, CloseAfter::kYes, bounds_);
  EXPECT_FALSE(result.sent());
  EXPECT_EQ(result.stopped_at, MailStep::kOpenMail);
  RunFor(1);
  EXPECT_TRUE(client_.Deliveries().empty());
  EXPECT_TRUE(program_.IsWindow(persons_forward));
  EXPECT_TRUE(program_.IsWindow(persons_mail));
  EXPECT_EQ(GetText(program_, persons_subject), "Re: mine");
}

TEST_P(MailTest, APersonsOpenMailOfAnotherItemIsLeftAloneAndTheRightMailGoes) {
  client_.AddFlashMails({"Alpha", "Beta", "Gamma"});
  OpenLoadedMailbox();
  SetListIndex(program_, MailboxTree(), 0);
  ClickWindow(program_, FirstChild(program_, ContentWindow(program_, kMailboxCaption), kIconClass));
  ASSERT_TRUE(RunUntil([&] { return FindReadMailWindow(program_) != 0; }));
  const HWND persons_mail = FindReadMailWindow(program_);
  ASSERT_TRUE(ForwardMailForClient(program_, "Joe", "n", 2, CloseAfter::kYes, bounds_).sent());
  RunFor(1);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  EXPECT_EQ(client_.Deliveries()[0].stored_subject, "Gamma");
  EXPECT_TRUE(program_.IsWindow(persons_mail));
}

// The forward window of one mail comes after its wait gave up; the next forward must not take
// it for its own: it would send the first mail to the second requester.
TEST_P(MailTest, AForwardWindowThatComesLateIsNotTakenByTheNextForward) {
  client_.AddFlashMails({"Alpha", "Beta"});
  OpenLoadedMailbox();
  client_.SetDelay(aolsim::Delay::kForward, bounds_.window_appears + 2);
  const MailResult first = ForwardMailForClient(program_, "Ann", "n", 0, CloseAfter::kYes, bounds_);
  EXPECT_EQ(first, Outcome::kGaveUp);
  EXPECT_EQ(first.stopped_at, MailStep::kComposeWindow);
  EXPECT_FALSE(first.sent());
  client_.SetDelay(aolsim::Delay::kForward, 0.3);
  const MailResult second =
      ForwardMailForClient(program_, "Bob", "n", 1, CloseAfter::kYes, bounds_);
  EXPECT_TRUE(second.sent());
  RunFor(3);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  EXPECT_EQ(client_.Deliveries()[0].recipients_text, "Bob");
  EXPECT_EQ(client_.Deliveries()[0].stored_subject, "Beta");
}

// A client that lags answers Forward late; a click every tenth of a second while it lags opens
// a forward window per click on a client that does that. One click a second at most.
TEST_P(MailTest, ALaggingForwardIsClickedOnceASecondAtMost) {
  client_.AddFlashMails({"Alpha"});
  OpenLoadedMailbox();
  client_.SetDelay(aolsim::Delay::kForward, 0.8);
  int clicks = 0;
  std::unique_ptr<MessageSpy> spy;
  const int hook = desktop_.AddIdleHook([&] {
    const std::vector<HWND> mails = WindowsOfShape(program_, kReadMailShape);
    if (mails.empty() || spy) return;
    const HWND mail = mails.front();
    spy = std::make_unique<MessageSpy>(
        client_process_, NthChild(program_, mail, kIconClass, numbers().read_mail_forward_icon));
  });
  ASSERT_TRUE(ForwardMailForClient(program_, "Joe", "n", 0, CloseAfter::kYes, bounds_).sent());
  desktop_.RemoveIdleHook(hook);
  ASSERT_TRUE(spy);
  clicks = spy->count(winsys::WM_LBUTTONDOWN);
  EXPECT_EQ(clicks, 1);
}

// --- A forward that cannot go --------------------------------------------------------------------

enum class MailboxAtStart { kClosed, kOpen };

// Each gives up where the client stopped it: after that step's bound (while the program's timer
// keeps firing), or at once where there is nothing to wait for; nothing is delivered and the
// windows the forward opened are closed again, so that the next one starts from a clean slate.
struct GivingUp {
  const char* name;
  MailboxAtStart mailbox;
  void (*misbehave)(aolsim::Client& client);  // nullptr: the client behaves
  const char* recipients;
  int position;
  double WaitBounds::*bound;  // nullptr: at once
  MailStep stopped_at;
};

const GivingUp kGivingUp[] = {
    {"MailNeverOpens", MailboxAtStart::kOpen,
     [](aolsim::Client& client) { client.SetFault(aolsim::Fault::kNoRead); }, "Joe", 0,
     &WaitBounds::mail_opens, MailStep::kOpenMail},
    {"NoMailbox", MailboxAtStart::kClosed, nullptr, "Joe", 0, nullptr, MailStep::kMailbox},
    // A position beyond the list is waited for while the list may still be filling; then no
    // mail could open.
    {"PositionBeyondTheList", MailboxAtStart::kOpen, nullptr, "Joe", 5, &WaitBounds::mailbox_fills,
     MailStep::kSelect},
    {"ForwardWindowNeverComes", MailboxAtStart::kOpen,
     [](aolsim::Client& client) { client.SetDelay(aolsim::Delay::kForward, 1000); }, "Joe", 0,
     &WaitBounds::window_appears, MailStep::kComposeWindow},
    // With no recipient the client neither sends nor closes the window.
    {"ForwardWindowStaysOpenAfterSend", MailboxAtStart::kOpen, nullptr, "", 0,
     &WaitBounds::window_closes, MailStep::kSend},
};

class ForwardGivingUpTest
    : public MailScene,
      public ::testing::WithParamInterface<std::tuple<aolsim::Layout, GivingUp>> {
 protected:
  ForwardGivingUpTest() : MailScene(std::get<0>(GetParam())) {}
};

TEST_P(ForwardGivingUpTest, GivesUpWhereTheClientStoppedItAndLeavesNothingOpen) {
  const GivingUp& row = std::get<1>(GetParam());
  client_.AddFlashMails({"Alpha"});
  if (row.mailbox == MailboxAtStart::kOpen) OpenLoadedMailbox();
  if (row.misbehave != nullptr) row.misbehave(client_);
  const ProgramTicker ticker(program_);
  const double started = Now();
  const MailResult result =
      ForwardMailForClient(program_, row.recipients, "n", row.position, CloseAfter::kYes, bounds_);
  if (row.bound != nullptr) {
    ExpectGaveUpAfter(result.outcome, started, bounds_.*row.bound, ticker);
  } else {
    EXPECT_EQ(result, Outcome::kGaveUp);
    EXPECT_LT(Now() - started, 1);
  }
  EXPECT_EQ(result.stopped_at, row.stopped_at);
  RunFor(1);
  EXPECT_TRUE(client_.Deliveries().empty());
  EXPECT_EQ(FindReadMailWindow(program_), 0u);
  EXPECT_EQ(FindComposeWindow(program_), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    BothLayouts, ForwardGivingUpTest,
    ::testing::Combine(::testing::Values(aolsim::Layout::kVersion5, aolsim::Layout::kVersion4),
                       ::testing::ValuesIn(kGivingUp)),
    [](const ::testing::TestParamInfo<std::tuple<aolsim::Layout, GivingUp>>& info) {
      return tollmere_testing::LayoutCaseName(std::get<0>(info.param)) + "_" +
             std::get<1>(info.param).name;
    });

// --- SendMail ------------------------------------------------------------------------------------

TEST_P(MailTest, ANewMailIsSentWithRecipientSubjectAndBody) {
  const std::string body = "Mails served: 12\r\n\x95 Joe\r\n\x95 Ann";
  ASSERT_EQ(SendMailForClient(program_, "Joe, (Ann)", "Serving report", body, bounds_),
            Outcome::kDone);
  RunFor(1);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  const aolsim::Delivery& sent = client_.Deliveries().front();
  EXPECT_EQ(sent.kind, aolsim::DeliveryKind::kNewMail);
  EXPECT_EQ(sent.recipients_text, "Joe, (Ann)");
  EXPECT_EQ(sent.subject, "Serving report");
  EXPECT_EQ(sent.text, body);
}

TEST_P(MailTest, TheOtherLayoutsVariantClicksTheWrongButtonAndSendsNothing) {
  const MailResult result = IsVersion5() ? aol432::SendMail(program_, "Joe", "S", "B", bounds_)
                                         : vornik32::SendMail(program_, "Joe", "S", "B", bounds_);
  EXPECT_EQ(result, Outcome::kDone);
  RunFor(1);
  EXPECT_TRUE(client_.Deliveries().empty());
  const MailResult waited = IsVersion5()
                                ? aol432::SendMailAndWait(program_, "Joe", "S", "B", 1, bounds_)
                                : vornik32::SendMailAndWait(program_, "Joe", "S", "B", 1, bounds_);
  EXPECT_FALSE(waited.sent()) << "its window never closed";
  EXPECT_EQ(waited.stopped_at, MailStep::kSend);
}

TEST_P(MailTest, AMailSeenThroughIsSentWhenItsWriteMailWindowCloses) {
  const MailResult result = SendMailAndWaitForClient(program_, "Joe", "S", "B", 1, bounds_);
  EXPECT_TRUE(result.sent());
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  EXPECT_EQ(client_.Deliveries()[0].subject, "S");
  EXPECT_FALSE(client_.IsContentWindowOpen(kWriteMailCaption));
}

// A person writing a mail of their own: the program writes into a Write Mail of its own and
// never clicks Send in the person's, nor closes it.
TEST_P(MailTest, APersonsWriteMailIsNeitherUsedNorSentNorClosed) {
  ClickWindow(program_, ToolbarButton(program_, 2));
  ASSERT_TRUE(RunUntil([&] { return ContentWindow(program_, kWriteMailCaption) != 0; }));
  const HWND persons = ContentWindow(program_, kWriteMailCaption);
  SetWindowTextByMessage(program_, FirstChild(program_, persons, kEditClass), "Friend");
  SetWindowTextByMessage(program_, NthChild(program_, persons, kEditClass, 3), "Half written");
  EXPECT_TRUE(SendMailAndWaitForClient(program_, "Joe", "Results", "B", 1, bounds_).sent());
  RunFor(2);
  ASSERT_EQ(client_.Deliveries().size(), 1u);
  EXPECT_EQ(client_.Deliveries()[0].recipients_text, "Joe");
  EXPECT_EQ(client_.Deliveries()[0].subject, "Results");
  ASSERT_TRUE(program_.IsWindow(persons));
  EXPECT_EQ(GetText(program_, NthChild(program_, persons, kEditClass, 3)), "Half written");
}

// A person's draft that comes first after the program's click, or with its own, may be the
// person's: it is not filled (the mail stops at its window), let alone sent. The program's own,
// coming after the person's, is closed when it comes; one beside it cannot be told apart.
TEST_P(MailTest, APersonsDraftAmongTheNewWriteMailsIsNeverFilled) {
  for (const double own_delay : {2.0, 1.0}) {
    client_.SetDelay(aolsim::Delay::kWrite, 1);
    client_.UserCompose();
    client_.SetDelay(aolsim::Delay::kWrite, own_delay);
    const MailResult result = SendMailAndWaitForClient(program_, "Joe", "R", "B", 1, bounds_);
    EXPECT_EQ(result.stopped_at, MailStep::kComposeWindow);
    LateWindowSweeper late;
    late.Watch(result);
    RunFor(3);
    late.CloseArrived(program_);
    RunFor(1);
    EXPECT_TRUE(client_.Deliveries().empty());
  }
  EXPECT_EQ(vornik32::ContentWindows(program_, kWriteMailCaption).size(), 3u);
}

TEST_P(MailTest, AWriteMailWindowThatNeverComesEndsTheWaitAtItsBound) {
  client_.SetDelay(aolsim::Delay::kWrite, 1000);
  const ProgramTicker ticker(program_);
  const double started = Now();
  const MailResult result = SendMailForClient(program_, "Joe", "S", "B", bounds_);
  ExpectGaveUpAfter(result.outcome, started, bounds_.window_appears, ticker);
  EXPECT_EQ(result.stopped_at, MailStep::kComposeWindow);
}

TEST_P(MailTest, AStuckWriteMailWindowIsLeftToTheClient) {
  client_.SetFault(aolsim::Fault::kSendStuck);
  EXPECT_EQ(SendMailForClient(program_, "Joe", "S", "B", bounds_), Outcome::kDone);
  RunFor(2);
  EXPECT_TRUE(client_.Deliveries().empty());
  EXPECT_NE(ContentWindow(program_, kWriteMailCaption), 0u);
}

TEST_P(MailTest, AStuckWriteMailSeenThroughIsNotSentAndIsClosed) {
  client_.SetFault(aolsim::Fault::kSendStuck);
  const ProgramTicker ticker(program_);
  const double started = Now();
  const MailResult result = SendMailAndWaitForClient(program_, "Joe", "S", "B", 1, bounds_);
  ExpectGaveUpAfter(result.outcome, started, bounds_.window_closes, ticker);
  EXPECT_EQ(result.stopped_at, MailStep::kSend);
  RunFor(1);
  EXPECT_TRUE(client_.Deliveries().empty());
  EXPECT_FALSE(client_.IsContentWindowOpen(kWriteMailCaption));
}

// --- RunFlashSession and SetMailPreferences --------------------------------------------------

TEST_P(MailTest, AFlashSessionIsStartedWithOnlyTheSecondChoiceSet) {
  client_.AddFlashMails({"Old"});
  client_.NewMail("Fresh", "body");
  ASSERT_EQ(RunFlashSessionForClient(program_, Check::kCleared, bounds_), Outcome::kDone);
  EXPECT_EQ(client_.AutomaticAolChoices(),
            (std::vector<bool>{false, true, false, false, false, false}));
  ASSERT_TRUE(RunUntil([&] { return client_.FlashSessions().size() == 1; }));
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
