// Each delay makes its window wait that long; each fault does what it says until `none`.

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class MisbehaviourTest : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    client_.AddFlashMails({"Garden Tips", "Moon Photos"});
  }

  bool MailboxOpens(double within) {
    program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
    return program_.RunUntil([&] { return program_.Content("Incoming/Saved Mail") != 0; }, within);
  }

  void SelectAndClick(int icon) {
    const HWND mailbox = program_.Content("Incoming/Saved Mail");
    program_.Send(program_.Child(mailbox, "_AOL_Tree"), winsys::LB_SETCURSEL, 0);
    program_.PostClick(program_.Child(mailbox, "_AOL_Icon", icon));
  }
};
AOLSIM_BOTH_LAYOUTS(MisbehaviourTest);

TEST_P(MisbehaviourTest, EachDelayHoldsItsWindowBackThatLong) {
  struct Case {
    Delay delay;
    std::function<void()> act;
    std::function<bool()> arrived;
  };
  ASSERT_TRUE(MailboxOpens(5));
  OpenMailbox();
  const Case cases[] = {
      {Delay::kRead, [&] { SelectAndClick(1); },
       [&] { return program_.FindByShape(kReadMailShape) != 0; }},
      {Delay::kForward,
       [&] {
         program_.Click(program_.Child(program_.FindByShape(kReadMailShape), "_AOL_Icon",
                                       numbers().read_mail_forward_icon));
       },
       [&] { return program_.FindByShape(kForwardShape) != 0; }},
      {Delay::kWrite, [&] { program_.PostClick(program_.ToolbarIcon(2)); },
       [&] { return program_.Content("Write Mail") != 0; }},
      {Delay::kInstantMessage, [&] { program_.RunToolbarMenu(10, 6); },
       [&] { return program_.Content("Send Instant Message") != 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToString(c.delay));
    client_.SetDelay(c.delay, 5);
    c.act();
    program_.RunFor(4.5);
    EXPECT_FALSE(c.arrived());
    program_.RunFor(1);
    EXPECT_TRUE(c.arrived());
  }
}

TEST_P(MisbehaviourTest, NoMailboxNeverOpensUntilFaultsEnd) {
  client_.SetFault(Fault::kNoMailbox);
  EXPECT_FALSE(MailboxOpens(60));
  client_.SetFault(Fault::kNone);
  EXPECT_TRUE(MailboxOpens(5));
}

TEST_P(MisbehaviourTest, NoReadNeverOpensTheMail) {
  OpenMailbox();
  client_.SetFault(Fault::kNoRead);
  SelectAndClick(1);
  program_.RunFor(60);
  EXPECT_EQ(program_.FindByShape(kReadMailShape), 0u);
}

TEST_P(MisbehaviourTest, SendStuckKeepsWriteMailOpenAndSendsNothing) {
  client_.SetFault(Fault::kSendStuck);
  program_.PostClick(program_.ToolbarIcon(2));
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Write Mail") != 0; }));
  const HWND write = program_.Content("Write Mail");
  program_.SetText(program_.Child(write, "_AOL_Edit", 1), "Joe");
  for (int i = 0; i < 5; ++i) {
    program_.Click(program_.Child(write, "_AOL_Icon", numbers().write_mail_send_icon));
    program_.RunFor(2);
  }
  EXPECT_TRUE(program_.ws().IsWindow(write));
  EXPECT_TRUE(client_.Deliveries().empty());
  // A person (or the program) can still close it.
  program_.ws().PostMessage(write, winsys::WM_CLOSE, 0, 0);
  program_.RunFor(0.1);
  EXPECT_FALSE(program_.ws().IsWindow(write));
}

TEST_P(MisbehaviourTest, DeleteNoDialogDeletesAtOnce) {
  OpenMailbox();
  client_.SetFault(Fault::kDeleteNoDialog);
  SelectAndClick(4);
  program_.RunFor(1);
  EXPECT_EQ(program_.TopLevel("#32770", "America Online"), 0u);
  EXPECT_EQ(client_.MailboxSubjects(), (std::vector<std::string>{"Moon Photos"}));
}

TEST(SettingsWords, ScenarioWordsNameEveryDelayFaultAndPopup) {
  for (const char* word : {"mailbox", "read", "forward", "write", "flash", "im"}) {
    ASSERT_TRUE(ParseDelay(word).has_value()) << word;
    EXPECT_STREQ(ToString(*ParseDelay(word)), word);
  }
  for (const char* word : {"no-mailbox", "no-read", "send-stuck", "flash-stuck", "delete-no-dialog",
                           "im-refused", "none"}) {
    ASSERT_TRUE(ParseFault(word).has_value()) << word;
    EXPECT_STREQ(ToString(*ParseFault(word)), word);
  }
  for (const char* word : {"status", "error", "modal", "notice"}) {
    ASSERT_TRUE(ParsePopupKind(word).has_value()) << word;
  }
  EXPECT_FALSE(ParseDelay("Mailbox").has_value());
  EXPECT_FALSE(ParseFault("stuck").has_value());
}

TEST(RecipientText, CommasSeparateAndParenthesesMakeBlindCopies) {
  EXPECT_EQ(ParseRecipients(" Joe ,( Ann B ),, Kim"),
            (std::vector<Recipient>{{"Joe", RecipientKind::kDirect},
                                    {"Ann B", RecipientKind::kBlindCopy},
                                    {"Kim", RecipientKind::kDirect}}));
  EXPECT_TRUE(ParseRecipients("  ").empty());
  EXPECT_TRUE(SameScreenName("Ada Reed", "adareed"));
  EXPECT_FALSE(SameScreenName("Ada Reed", "Ada Reeds"));
}

}  // namespace
}  // namespace aolsim::testing
