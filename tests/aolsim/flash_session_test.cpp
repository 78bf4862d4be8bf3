// A flash session as the program runs one: the mail menu, Automatic AOL and its check boxes,
// the "_AOL_Modal" that follows, the Status window's text, and New Mail filed on top.

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class FlashSessionTest : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    client_.AddFlashMails({"Old One", "Old Two"});
  }

  void StartSession() {
    program_.RunToolbarMenu(3, numbers().automatic_aol_item);
    HWND window = 0;
    ASSERT_TRUE(program_.RunUntil([&] {
      window = program_.Content("Automatic AOL");
      return program_.Child(window, "_AOL_Checkbox") != 0;
    }));
    for (int i = 1; i <= 6; ++i) {
      program_.Send(program_.Child(window, "_AOL_Checkbox", i), winsys::BM_SETCHECK,
                    i == 2 ? static_cast<WPARAM>(-1) : 0);
    }
    program_.PostClick(program_.Child(window, "_AOL_Icon", 2));
    HWND dialog = 0;
    ASSERT_TRUE(program_.RunUntil([&] {
      dialog = program_.TopLevel("_AOL_Modal");
      return dialog != 0 && program_.ws().IsWindowVisible(dialog);
    }));
    program_.Send(program_.Child(dialog, "_AOL_Checkbox"), winsys::BM_SETCHECK, 0);
    program_.PostClick(program_.Child(dialog, "_AOL_Icon"));
    ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Status") != 0; }));
  }

  std::string StatusText() {
    return program_.Text(program_.Child(program_.Content("Status"), "_AOL_View"));
  }

  bool Finished() {
    return StatusText().find("Your Automatic AOL session is finished.") != std::string::npos;
  }
};
AOLSIM_BOTH_LAYOUTS(FlashSessionTest);

TEST_P(FlashSessionTest, NewMailMovesToTheTopNewestFirstWhenTheSessionEnds) {
  client_.NewMail("Older News", "a");
  client_.NewMail("Newer News", "b");
  StartSession();
  program_.RunFor(0.1);
  EXPECT_EQ(client_.AutomaticAolChoices(),
            (std::vector<bool>{false, true, false, false, false, false}));
  EXPECT_EQ(program_.Content("Automatic AOL"), 0u);
  EXPECT_EQ(program_.TopLevel("_AOL_Modal"), 0u);
  EXPECT_FALSE(Finished());
  EXPECT_EQ(client_.MailboxCount(), 2);

  ASSERT_TRUE(program_.RunUntil([&] { return Finished(); }));
  EXPECT_EQ(client_.MailboxSubjects(),
            (std::vector<std::string>{"Newer News", "Older News", "Old One", "Old Two"}));
  EXPECT_TRUE(client_.NewMailSubjects().empty());
  ASSERT_EQ(client_.FlashSessions().size(), 1u);
  EXPECT_EQ(client_.FlashSessions()[0].mails_filed, 2);
}

TEST_P(FlashSessionTest, MailWrittenToOneselfIsOnTopAfterTheSession) {
  program_.PostClick(program_.ToolbarIcon(2));
  HWND write = 0;
  ASSERT_TRUE(program_.RunUntil([&] { return (write = program_.Content("Write Mail")) != 0; }));
  program_.SetText(program_.Child(write, "_AOL_Edit", 1), "Ada Reed");
  program_.SetText(program_.Child(write, "_AOL_Edit", 3), "Note to self");
  program_.SetText(program_.Child(write, "RICHCNTL", 1), "remember");
  program_.PostClick(program_.Child(write, "_AOL_Icon", numbers().write_mail_send_icon));
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Write Mail") == 0; }));
  StartSession();
  ASSERT_TRUE(program_.RunUntil([&] { return Finished(); }));
  EXPECT_EQ(client_.MailboxSubjects(),
            (std::vector<std::string>{"Note to self", "Old One", "Old Two"}));
  EXPECT_EQ(client_.mail().flash()[0].body, "remember");
  EXPECT_EQ(client_.mail().flash()[0].sender, "Ada Reed");
}

TEST_P(FlashSessionTest, OpenMailboxFollowsTheFiling) {
  client_.NewMail("Fresh", "x");
  const HWND tree = program_.Child(OpenMailbox(), "_AOL_Tree");
  StartSession();
  ASSERT_TRUE(program_.RunUntil([&] { return Finished(); }));
  EXPECT_EQ(program_.Send(tree, winsys::LB_GETCOUNT), 3);
  EXPECT_EQ(program_.ListText(tree, 0).substr(program_.ListText(tree, 0).rfind('\t') + 1), "Fresh");
}

TEST_P(FlashSessionTest, FlashDelayIsTheSessionsRunAndStuckSessionsNeverFinish) {
  client_.SetDelay(Delay::kFlash, 30);
  client_.NewMail("Slow", "x");
  StartSession();
  program_.RunFor(25);
  EXPECT_FALSE(Finished());
  EXPECT_TRUE(client_.FlashSessionRunning());
  program_.RunFor(6);
  EXPECT_TRUE(Finished());

  client_.SetFault(Fault::kFlashStuck);
  client_.NewMail("Stuck", "x");
  program_.ws().PostMessage(program_.Content("Status"), winsys::WM_CLOSE, 0, 0);
  StartSession();
  program_.RunFor(120);
  EXPECT_FALSE(Finished());
  EXPECT_EQ(client_.NewMailSubjects(), (std::vector<std::string>{"Stuck"}));
}

TEST_P(FlashSessionTest, SessionRunsOnWhenItsStatusWindowIsClosed) {
  client_.NewMail("Kept", "x");
  StartSession();
  program_.ws().PostMessage(program_.Content("Status"), winsys::WM_CLOSE, 0, 0);
  program_.RunFor(10);
  EXPECT_EQ(program_.Content("Status"), 0u);
  EXPECT_EQ(client_.MailboxSubjects().front(), "Kept");
}

}  // namespace
}  // namespace aolsim::testing
