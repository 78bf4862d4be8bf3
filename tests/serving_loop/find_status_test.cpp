// Find and status requests: the search, its result mail and chat lines, the maximum, the status
// counts, requester text echoed safely, and a Write Mail window that will not close.

#include <gmock/gmock.h>

#include "loop_fixture.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::vector<std::string> kTitles = {"star wars", "Blue bike", "Lone STAR", "superstars",
                                          "Red car",   "Starfish",  "Moonstar",  "Fish & <Chips>"};

class FindStatusTest : public LoopTest {
 protected:
  void SetUp() override {
    StartProgram(kTitles);
    StartServing();
    NewLines();
  }
  void SetMaxFinds(const std::string& typed) {
    ChooseMenu(program.menuFrm().maxfindsmenu, {Answer::Text(typed)});
  }
};

TEST_F(FindStatusTest, TheSearchMatchesSubstringsWithoutCaseAndMailsTheNumberedTitles) {
  Ask("ann", "find Star");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 20));
  RunFor(2);
  const aolsim::Delivery mail = NewMails()[0];
  EXPECT_EQ(mail.recipients_text, "ann");
  EXPECT_EQ(mail.subject, Line("tollmere search results for \"star\""));
  EXPECT_EQ(mail.text,
            "0)  star wars\r\n2)  Lone STAR\r\n3)  superstars\r\n5)  Starfish\r\n6)  Moonstar\r\n");
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 5 search result(s) for \"star\" were sent")));
  EXPECT_EQ(server().Frame3.caption(), "Find Requests:  0");
}

TEST_F(FindStatusTest, TheMaximumCutsTheResultsInMailboxOrder) {
  SetMaxFinds("2");
  Ask("ann", "find star");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 20));
  RunFor(2);
  EXPECT_EQ(NewMails()[0].text, "0)  star wars\r\n2)  Lone STAR\r\n");
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 2 search result(s) for \"star\" were sent")));
}

TEST_F(FindStatusTest, AMissIsToldInTheChatWithoutAMail) {
  Ask("ann", "find zebra");
  RunFor(3);
  EXPECT_THAT(NewMails(), IsEmpty());
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, your search for \"zebra\" was not found")));
}

// The room renders HTML: what a requester typed comes back to it as text. A mail's subject is
// plain text and carries the words as typed (lower-cased as searched).
TEST_F(FindStatusTest, SearchWordsAreEchoedWithoutTheirMarkup) {
  Ask("ann", "find <a href=\"x\">zebra</a>");
  Ask("bob", "find \"star\" & <b>");
  RunFor(3);
  EXPECT_THAT(NewAnswers(),
              ElementsAre(Line("ann, your search for \"&lt;a href=&quot;x&quot;&gt;zebra&lt;/a&gt;"
                               "\" was not found"),
                          Line("bob, your search for \"&quot;star&quot; &amp; &lt;b&gt;\" was not "
                               "found")));
  Ask("cid", "find & <chips>");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 20));
  EXPECT_EQ(NewMails()[0].subject, Line("tollmere search results for \"& <chips>\""));
  EXPECT_EQ(NewMails()[0].text, "7)  Fish & <Chips>\r\n");
  std::vector<std::string> answers;
  ASSERT_TRUE(RunUntil(
      [&] {
        for (std::string& line : NewAnswers()) answers.push_back(std::move(line));
        return !answers.empty();
      },
      5));
  EXPECT_THAT(answers,
              ElementsAre(Line("cid, 1 search result(s) for \"&amp; &lt;chips&gt;\" were sent")));
}

TEST_F(FindStatusTest, StatusCountsTheRequestersPendingItemsExactly) {
  server().RequestTimer.Disable();  // nothing is served while the requests are queued
  Say({{"ann", "/serverbot send 1, 2"}, {"bob", "/serverbot send 3"}});
  Say({{"ann", "/serverbot status"}, {"Ann", "/serverbot status"}, {"cid", "/serverbot status"}});
  EXPECT_EQ(server().Statuss.Count(), 3);
  server().RequestTimer.Enable();
  ASSERT_TRUE(RunUntil([&] { return server().Statuss.Count() == 0; }, 10));
  RunFor(2);
  const std::vector<std::string> lines = NewAnswers();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              ElementsAre(Line("ann, you have 2 request(s) pending"),
                          Line("Ann, you have 0 request(s) pending"),
                          Line("cid, you have 0 request(s) pending")));
}

// A Write Mail window that never closes would keep the tick clicking Send forever. The clicks
// stop after the bound and the window is closed; the requester is not told a mail went. The
// find goes back to the head of its queue and is tried on later ticks (the items are served
// meanwhile); its third failure drops it with a line that says so, and serving goes on.
TEST_F(FindStatusTest, AWriteMailThatWillNotCloseIsTriedThreeTimesThenGivenUpAndServingGoesOn) {
  client.SetFault(aolsim::Fault::kSendStuck);
  Say({{"ann", "/serverbot find star"},
       {"bob", "/serverbot find zebra"},
       {"cid", "/serverbot send 1"}});
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 60));
  std::vector<std::string> answers;
  ASSERT_TRUE(RunUntil(
      [&] {
        for (std::string& line : NewAnswers()) answers.push_back(std::move(line));
        return answers.size() == 3;
      },
      200));
  EXPECT_THAT(answers, ElementsAre(Line("cid, 1 was sent"),
                                   Line("ann, the search results for \"star\" could not be sent"),
                                   Line("bob, your search for \"zebra\" was not found")));
  EXPECT_FALSE(client.IsContentWindowOpen("Write Mail"));
  EXPECT_THAT(NewMails(), IsEmpty());
  EXPECT_EQ(server().Finds.Count(), 0);

  client.SetFault(aolsim::Fault::kNone);
  Ask("dee", "find bike");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 20));
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("dee, 1 search result(s) for \"bike\" were sent")));
}

}  // namespace
}  // namespace serving_loop::testing
