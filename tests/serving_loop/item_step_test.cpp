// Item requests served by the serving tick: the batch of one item text, the forward, its note,
// the confirmation and the mails-served counter.

#include <gmock/gmock.h>

#include "list_designer/messages_form.h"
#include "loop_fixture.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Titles(int count) {
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) titles.push_back("Title " + std::to_string(i));
  return titles;
}

class ItemStepTest : public LoopTest {
 protected:
  void SetUp() override {
    StartProgram(Titles(20), {"ann", "bob", "cid", "dee", "eve", "fay", "gus", "hal"});
    StartServing();
    NewLines();
  }
};

TEST_F(ItemStepTest, LaterRequestsForTheHeadsItemJoinItsForward) {
  Say({{"ann", "/serverbot send 12"}, {"bob", "/serverbot send 7"}, {"cid", "/serverbot send 12"}});
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 30));

  const std::vector<aolsim::Delivery> forwards = Forwards();
  EXPECT_EQ(forwards[0].recipients_text, "(ann),(cid),");
  EXPECT_EQ(forwards[0].mailbox_position, 13);  // item 12 below the one list mail
  EXPECT_EQ(forwards[0].stored_subject, "Title 12");
  EXPECT_EQ(forwards[1].recipients_text, "(bob),");
  EXPECT_EQ(forwards[1].stored_subject, "Title 7");
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann,cid, 12 was sent"), Line("bob, 7 was sent")));
  EXPECT_EQ(server().StatusBar1.text(), "2 Mails, 3 People Served");
  EXPECT_EQ(server().Frame1.caption(), "Item Requests:  0");
}

TEST_F(ItemStepTest, OneForwardReachesTheHeadAndFiveMoreTheRestWaitInOrder) {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const char* name : {"ann", "bob", "cid", "dee", "eve", "fay", "gus", "hal"}) {
    lines.push_back({name, "/serverbot send 3"});
  }
  // Queued in one chat tick; the serving tick after it takes six of the eight.
  for (const auto& [sender, message] : lines) client.Say(sender, message);
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 10));
  EXPECT_EQ(Forwards()[0].recipients_text, "(ann),(bob),(cid),(dee),(eve),(fay),");
  EXPECT_THAT(Entries(server().Requests), ElementsAre("gus - 3", "hal - 3"));

  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 10));
  EXPECT_EQ(Forwards()[1].recipients_text, "(gus),(hal),");
  RunFor(2);
  // One send is one mail, whatever the number of recipients.
  EXPECT_EQ(server().StatusBar1.text(), "2 Mails, 8 People Served");
}

TEST_F(ItemStepTest, TheSeventhServedBatchAnnouncesThePendingCounts) {
  for (int item = 0; item < 8; ++item) client.Say("ann", "/serverbot send " + std::to_string(item));
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 8; }, 60));
  RunFor(3);
  const std::vector<std::string> lines = NewLines();
  const auto announcement = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with(Line("There are "));
  });
  ASSERT_NE(announcement, lines.end());
  EXPECT_EQ(*announcement,
            Line("There are 1 item request(s), 0 list request(s), and 0 find request(s) pending"));
  EXPECT_EQ(*(announcement - 1), Line("ann, 6 was sent"));
}

// Only the intake's whole numbers and the loader's checked lines reach the queue; an entry put
// there any other way that names no mail is dropped without a mail or a word.
TEST_F(ItemStepTest, AnEntryThatNamesNoMailIsDroppedAndTheNextIsServed) {
  for (const char* entry : {"ann - 1x", "bob", "cid - 99999999999999999999", "dee - 4"}) {
    server().Requests.Append(entry);
  }
  ASSERT_TRUE(RunUntil([&] { return server().Requests.Count() == 0; }, 10));
  RunFor(2);
  ASSERT_EQ(Forwards().size(), 1u);
  EXPECT_EQ(Forwards()[0].recipients_text, "(dee),");
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("dee, 4 was sent")));
  EXPECT_EQ(server().StatusBar1.text(), "1 Mails, 1 People Served");
}

TEST_F(ItemStepTest, ItemTextsThatDifferOnlyInLeadingZerosAreSentApart) {
  server().Requests.Append("ann - 12");
  server().Requests.Append("bob - 012");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 10));
  EXPECT_EQ(Forwards()[0].recipients_text, "(ann),");
  EXPECT_EQ(Forwards()[1].recipients_text, "(bob),");
  EXPECT_EQ(Forwards()[1].stored_subject, "Title 12");
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 12 was sent"), Line("bob, 012 was sent")));
}

constexpr char kNoteStart[] =
    "</i></u></b><font size=2><p align=center><b><a href=\"http://vornik.example.com\">"
    "v o r n i k . e x a m p l e . c o m</a>\r\n\r\n"
    "<a href=\"http://tollmere.example.org\">t o l l m e r e . e x a m p l e . o r g</a>"
    "</font></p></b>\r\n\r\n"
    "<p align=left><font size=3>\x95 tollmere server by vornik\r\n";
constexpr char kNoteDownload[] =
    "</font></p>\r\n\r\n<font size=2><p align=center><b><a "
    "href=\"http://tollmere.example.org/download\">Download Tollmere Server for AOL 4.0/5.0 "
    "Now!</a></b></p></font><font size=3>";

TEST_F(ItemStepTest, TheNoteNamesTheItemAndEndsPlainWithoutCustomMessages) {
  Ask("ann", "send 5");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 10));
  EXPECT_EQ(Forwards()[0].text,
            std::string(kNoteStart) + "\x95 mail index #5" + kNoteDownload + "</font>");
}

// Closing the Messages window once turns the user's texts on: the confirmation ends with the
// chat suffix, the note with the mail message as its own paragraph.
TEST_F(ItemStepTest, CustomMessagesEndTheConfirmationAndTheNote) {
  list_designer::MessagesForm& messages = program.messagesFrm();
  messages.Show();
  desktop.UserType(messages.Text1.hwnd(), "is on its way!");
  desktop.UserType(messages.Text2.hwnd(), "<b>Enjoy</b>");
  desktop.UserClose(messages.form.hwnd());
  ASSERT_TRUE(program.variables().CustomMessages);

  Ask("ann", "send 5");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 10));
  EXPECT_EQ(Forwards()[0].text, std::string(kNoteStart) + "\x95 mail index #5" + kNoteDownload +
                                    "\r\n\r\n<p align=left><b>Enjoy</b></p></font>");
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 5 is on its way!")));
}

TEST_F(ItemStepTest, ListsAndFindsAddNothingToTheMailsServed) {
  Ask("ann", "send list");
  Ask("bob", "find title 1");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 30));
  RunFor(3);
  EXPECT_EQ(Forwards().size(), 1u);
  EXPECT_EQ(server().StatusBar1.text(), "0 Mails, 0 People Served");
  EXPECT_THAT(Entries(server().Requests), IsEmpty());
}

}  // namespace
}  // namespace serving_loop::testing
