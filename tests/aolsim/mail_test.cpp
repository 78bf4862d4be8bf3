// Mail through the program's doors: the mailbox opened from the mail menu and filling, a stored
// mail read, forwarded and sent, a new mail written, a mail deleted after its confirmation.

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class MailTest : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    client_.AddFlashMails({"Garden Tips", "Moon Photos"});
  }

  // The forward window of the open mail, through its Forward button (sent, as the program does).
  HWND Forward(HWND mail) {
    program_.Click(program_.Child(mail, "_AOL_Icon", numbers().read_mail_forward_icon));
    HWND forward = 0;
    EXPECT_TRUE(program_.RunUntil([&] { return (forward = program_.FindByShape(kForwardShape)); }));
    return forward;
  }

  HWND WriteMail() {
    program_.PostClick(program_.ToolbarIcon(2));
    HWND write = 0;
    EXPECT_TRUE(program_.RunUntil([&] { return (write = program_.Content("Write Mail")) != 0; }));
    return write;
  }

  void Fill(HWND compose, const std::string& to, const std::string& subject,
            const std::string& text) {
    program_.SetText(program_.Child(compose, "_AOL_Edit", 1), to);
    program_.SetText(program_.Child(compose, "_AOL_Edit", 3), subject);
    program_.SetText(program_.Child(compose, "RICHCNTL", 1), text);
  }
};
AOLSIM_BOTH_LAYOUTS(MailTest);

TEST_P(MailTest, MailboxOpensFromTheMailMenuAndFillsGradually) {
  client_.GenerateFlashMails(598, "Item");
  program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
  HWND tree = 0;
  ASSERT_TRUE(program_.RunUntil([&] {
    return (tree = program_.Child(program_.Content("Incoming/Saved Mail"), "_AOL_Tree"));
  }));
  std::vector<LRESULT> counts;
  for (int reading = 0; reading < 4; ++reading) {
    counts.push_back(program_.Send(tree, winsys::LB_GETCOUNT));
    program_.RunFor(0.25);
  }
  EXPECT_LT(counts.front(), 600);
  for (std::size_t i = 1; i < counts.size(); ++i) EXPECT_GT(counts[i], counts[i - 1]);
  program_.RunFor(3);
  EXPECT_EQ(program_.Send(tree, winsys::LB_GETCOUNT), 600);

  const std::string first = program_.ListText(tree, 0);
  EXPECT_EQ(first.substr(first.find('\t')), "\tMailKeeper\tGarden Tips");
  EXPECT_EQ(first.substr(0, first.find('\t')), "06/15/2000");
  EXPECT_EQ(program_.ListText(tree, 599), "06/15/2000\tMailKeeper\tItem 597");
}

TEST_P(MailTest, MailboxDelayIsTheTimeTheWholeListTakes) {
  client_.GenerateFlashMails(98, "Item");
  client_.SetDelay(Delay::kMailbox, 10);
  const HWND mailbox = [&] {
    program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
    HWND found = 0;
    EXPECT_TRUE(
        program_.RunUntil([&] { return (found = program_.Content("Incoming/Saved Mail")); }));
    return found;
  }();
  const HWND tree = program_.Child(mailbox, "_AOL_Tree");
  program_.RunFor(5);
  const LRESULT halfway = program_.Send(tree, winsys::LB_GETCOUNT);
  EXPECT_GT(halfway, 40);
  EXPECT_LT(halfway, 60);
  program_.RunFor(5.1);
  EXPECT_EQ(program_.Send(tree, winsys::LB_GETCOUNT), 100);
}

TEST_P(MailTest, OpenMailShowsFiveHeaderLinesThenTheBody) {
  OpenMailbox();
  const HWND mail = OpenMail(1);
  ASSERT_NE(mail, 0u);
  EXPECT_EQ(program_.ws().GetWindowText(mail), "Moon Photos");
  const std::string text = program_.Text(program_.Child(mail, "RICHCNTL"));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_NE(lines[0].find("Moon Photos"), std::string::npos);
  EXPECT_NE(lines[1].find("06/15/2000"), std::string::npos);
  EXPECT_NE(lines[2].find("MailKeeper"), std::string::npos);
  EXPECT_NE(lines[3].find("Ada Reed"), std::string::npos);
  EXPECT_EQ(lines[4], "");
  EXPECT_NE(lines[5].find("Moon Photos"), std::string::npos);
}

TEST_P(MailTest, ForwardSendsTheStoredMailWithItsNoteToEveryRecipientOnce) {
  std::vector<Delivery> heard;
  client_.SetEventCallback([&](const ClientEvent& event) {
    if (const auto* delivery = std::get_if<Delivery>(&event)) heard.push_back(*delivery);
  });
  OpenMailbox();
  const HWND mail = OpenMail(1);
  const HWND forward = Forward(mail);
  ASSERT_NE(forward, 0u);
  const HWND subject = program_.Child(forward, "_AOL_Edit", 3);
  EXPECT_EQ(program_.Text(subject), "Fwd: Moon Photos");
  Fill(forward, "Joe, (Secret Sam) ,Kim", program_.Text(subject).substr(5), "\x95 item 1");

  const HWND send = program_.Child(forward, "_AOL_Icon", numbers().forward_send_icon);
  program_.PostClick(send);
  program_.PostClick(send);
  program_.RunFor(0.1);
  program_.PostClick(send);
  program_.ws().PostMessage(forward, winsys::WM_DESTROY, 0, 0);
  program_.RunFor(0.1);
  EXPECT_TRUE(program_.ws().IsWindow(forward));  // a posted WM_DESTROY does not destroy
  program_.RunFor(1);
  EXPECT_FALSE(program_.ws().IsWindow(forward));
  EXPECT_TRUE(program_.ws().IsWindow(mail));

  ASSERT_EQ(client_.Deliveries().size(), 1u);
  const Delivery& delivery = client_.Deliveries()[0];
  EXPECT_EQ(delivery.kind, DeliveryKind::kForward);
  EXPECT_EQ(delivery.recipients_text, "Joe, (Secret Sam) ,Kim");
  EXPECT_EQ(delivery.recipients, (std::vector<Recipient>{{"Joe", RecipientKind::kDirect},
                                                         {"Secret Sam", RecipientKind::kBlindCopy},
                                                         {"Kim", RecipientKind::kDirect}}));
  EXPECT_EQ(delivery.mailbox_position, 1);
  EXPECT_EQ(delivery.mail_id, client_.mail().flash()[1].id);
  EXPECT_EQ(delivery.stored_subject, "Moon Photos");
  EXPECT_EQ(delivery.subject, "Moon Photos");
  EXPECT_EQ(delivery.text, "\x95 item 1");
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].recipients_text, delivery.recipients_text);
}

TEST_P(MailTest, ForwardClickedUntilTheWindowShowsOpensOne) {
  client_.SetDelay(Delay::kForward, 1);
  OpenMailbox();
  const HWND mail = OpenMail(0);
  const HWND button = program_.Child(mail, "_AOL_Icon", numbers().read_mail_forward_icon);
  for (int i = 0; i < 15; ++i) {
    program_.Click(button);
    program_.RunFor(0.1);
  }
  int forwards = 0;
  for (const HWND window : program_.ContentWindows()) {
    forwards += program_.Matches(window, kForwardShape) ? 1 : 0;
  }
  EXPECT_EQ(forwards, 1);
}

TEST_P(MailTest, NewMailToOneselfArrivesInNewMailAndFlashFilesItOnTop) {
  const HWND write = WriteMail();
  EXPECT_EQ(program_.FindByShape(kForwardShape), 0u);
  Fill(write, "adareed", "\x95 tollmere server list 1", "0)  Garden Tips\r\n1)  Moon Photos");
  const HWND send = program_.Child(write, "_AOL_Icon", numbers().write_mail_send_icon);
  program_.PostClick(send);
  program_.RunFor(0.2);
  program_.Click(send);  // again while it closes: nothing
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Write Mail") == 0; }));

  ASSERT_EQ(client_.Deliveries().size(), 1u);
  const Delivery& sent = client_.Deliveries()[0];
  EXPECT_EQ(sent.kind, DeliveryKind::kNewMail);
  EXPECT_EQ(sent.recipients_text, "adareed");
  EXPECT_EQ(sent.subject, "\x95 tollmere server list 1");
  EXPECT_EQ(sent.text, "0)  Garden Tips\r\n1)  Moon Photos");
  EXPECT_EQ(client_.NewMailSubjects(), (std::vector<std::string>{"\x95 tollmere server list 1"}));
  EXPECT_EQ(client_.MailboxCount(), 2);
}

TEST_P(MailTest, DeleteAsksAndTheFirstButtonConfirms) {
  const HWND mailbox = OpenMailbox();
  const HWND tree = program_.Child(mailbox, "_AOL_Tree");
  const auto ask_to_delete = [&](int position) {
    program_.Send(tree, winsys::LB_SETCURSEL, static_cast<WPARAM>(position));
    program_.Click(program_.Child(mailbox, "_AOL_Icon", 4));
    HWND dialog = 0;
    EXPECT_TRUE(program_.RunUntil(
        [&] { return (dialog = program_.TopLevel("#32770", "America Online")) != 0; }));
    return dialog;
  };

  HWND dialog = ask_to_delete(0);
  program_.PostClick(program_.Child(dialog, "Button", 2));  // No
  program_.RunFor(0.1);
  EXPECT_FALSE(program_.ws().IsWindow(dialog));
  EXPECT_EQ(program_.Send(tree, winsys::LB_GETCOUNT), 2);

  dialog = ask_to_delete(0);
  program_.PostClick(program_.Child(dialog, "Button", 1));
  program_.RunFor(0.1);
  EXPECT_FALSE(program_.ws().IsWindow(dialog));
  EXPECT_EQ(program_.Send(tree, winsys::LB_GETCOUNT), 1);
  EXPECT_EQ(program_.ListText(tree, 0).substr(program_.ListText(tree, 0).rfind('\t') + 1),
            "Moon Photos");
  EXPECT_EQ(client_.MailboxSubjects(), (std::vector<std::string>{"Moon Photos"}));
  ASSERT_EQ(client_.Deletions().size(), 1u);
  EXPECT_EQ(client_.Deletions()[0].subject, "Garden Tips");
}

TEST_P(MailTest, MailPreferencesShowsAfterAMomentAndItsFirstIconClosesIt) {
  program_.RunToolbarMenu(3, numbers().mail_preferences_item);
  HWND dialog = 0;
  ASSERT_TRUE(program_.RunUntil([&] {
    dialog = program_.TopLevel("_AOL_Modal", "Mail Preferences");
    return dialog != 0 && program_.ws().IsWindowVisible(dialog);
  }));
  program_.Send(program_.Child(dialog, "_AOL_Checkbox", 1), winsys::BM_SETCHECK, 0);
  program_.Send(program_.Child(dialog, "_AOL_Checkbox", 2), winsys::BM_SETCHECK,
                static_cast<WPARAM>(-1));
  program_.Click(program_.Child(dialog, "_AOL_Icon", 1));
  EXPECT_TRUE(
      program_.RunUntil([&] { return !program_.TopLevel("_AOL_Modal", "Mail Preferences"); }));
  EXPECT_EQ(client_.MailPreferences(), (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace aolsim::testing
