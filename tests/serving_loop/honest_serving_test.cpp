// The serving loop with a client that does not take the mails: nothing is confirmed or counted
// that did not go, the requests go back to the head of their queue and are tried again, the
// third failure drops a request with a line that says so, and a client that is gone holds
// serving until it is back, with nothing lost.

#include <gmock/gmock.h>

#include "aol_automation/automation.h"
#include "loop_fixture.h"
#include "serving_engine/server_form.h"
#include "serving_loop/serving_loop.h"
#include "serving_loop/serving_report_form.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

std::vector<std::string> Titles(int count) {
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) titles.push_back("Title " + std::to_string(i));
  return titles;
}

class HonestServingTest : public LoopTest {
 protected:
  void SetUp() override {
    StartProgram(Titles(10), {"ann", "bob", "cid"});
    StartServing();
    NewLines();
  }

  // The answers (no adverts or counts) posted while ready() comes true.
  std::vector<std::string> AnswersUntil(const std::function<bool()>& ready, double seconds) {
    std::vector<std::string> answers;
    EXPECT_TRUE(RunUntil(
        [&] {
          for (std::string& line : NewAnswers()) answers.push_back(std::move(line));
          return ready();
        },
        seconds));
    return answers;
  }

  winsys::HWND Mailbox() { return vornik32::ContentWindow(program_ws, vornik32::kMailboxCaption); }
};

TEST_F(HonestServingTest, AMailThatNeverOpensIsTriedThreeTimesThenGivenUpWithOneLine) {
  client.SetFault(aolsim::Fault::kNoRead);
  Ask("ann", "send 3");
  // After the first failure the request is back at the head of its queue, unchanged.
  ASSERT_TRUE(RunUntil(
      [&] { return server().Requests.Count() == 1 && !program.servingLoop().ticking(); }, 60));
  EXPECT_EQ(server().Requests.Entry(0), "ann - 3");
  const std::vector<std::string> answers =
      AnswersUntil([&] { return server().Requests.Count() == 0; }, 300);
  RunFor(2);
  std::vector<std::string> all = answers;
  for (std::string& line : NewAnswers()) all.push_back(std::move(line));
  EXPECT_THAT(all, ElementsAre(Line("ann, 3 could not be sent")));
  EXPECT_THAT(Forwards(), IsEmpty());
  EXPECT_EQ(server().StatusBar1.text(), "0 Mails, 0 People Served");
  EXPECT_EQ(server().PeopleServed.count(), 0);

  client.SetFault(aolsim::Fault::kNone);
  Ask("bob", "send 4");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 30));
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("bob, 4 was sent")));
  EXPECT_EQ(server().StatusBar1.text(), "1 Mails, 1 People Served");
}

// As after a deletion above them; the last mail's place is past the mailbox's end.
TEST_F(HonestServingTest, MailsThatMovedUpAreServedFromWhereTheirTitlesAreNow) {
  program.variables().ItemOffset = 2;
  Say({{"ann", "/serverbot send 0"}, {"bob", "/serverbot send 9"}});
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 60));
  EXPECT_EQ(Forwards()[0].stored_subject, "Title 0");
  EXPECT_EQ(Forwards()[1].stored_subject, "Title 9");
}

// A title the mailbox no longer holds: the line at its place is another mail, never sent for it.
TEST_F(HonestServingTest, AnItemWhoseTitleIsNowhereInTheMailboxIsGivenUpNotSentAsAnother) {
  program.listdesignerFrm().MailList.remove_at(3);
  program.listdesignerFrm().MailList.insert(3, "Gone");
  Ask("ann", "send 3");
  EXPECT_THAT(AnswersUntil([&] { return server().Requests.Count() == 0; }, 300),
              ElementsAre(Line("ann, 3 could not be sent")));
  EXPECT_THAT(Forwards(), IsEmpty());
}

TEST_F(HonestServingTest, ARequestThatFailsOnceGoesOnTheNextTryAndIsConfirmedOnce) {
  client.SetFault(aolsim::Fault::kNoRead);
  Say({{"ann", "/serverbot send 3"}, {"bob", "/serverbot send 5"}, {"cid", "/serverbot send 3"}});
  ASSERT_TRUE(RunUntil(
      [&] { return server().Requests.Count() == 3 && !program.servingLoop().ticking(); }, 60));
  // The batch went back in its order, ahead of the request it had passed over.
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 3", "cid - 3", "bob - 5"));
  client.SetFault(aolsim::Fault::kNone);
  const std::vector<std::string> answers = AnswersUntil([&] { return Forwards().size() == 2; }, 60);
  RunFor(2);
  std::vector<std::string> all = answers;
  for (std::string& line : NewAnswers()) all.push_back(std::move(line));
  EXPECT_THAT(all, ElementsAre(Line("ann,cid, 3 was sent"), Line("bob, 5 was sent")));
  EXPECT_EQ(Forwards()[0].recipients_text, "(ann),(cid),");
  EXPECT_EQ(server().StatusBar1.text(), "2 Mails, 3 People Served");
}

TEST_F(HonestServingTest, ListsThatDidNotAllGoAreNotConfirmedAndAreGivenUpAtTheThirdTry) {
  client.SetFault(aolsim::Fault::kNoRead);
  program.variables().ListsDue = true;
  Ask("ann", "send list");
  const std::vector<std::string> answers = AnswersUntil(
      [&] { return server().Lists.Count() == 0 && !program.servingLoop().ticking(); }, 300);
  EXPECT_THAT(answers, ElementsAre(Line("ann, the lists could not be sent")));
  EXPECT_THAT(Forwards(), IsEmpty());
}

TEST_F(HonestServingTest, TheReportCountsTheMailsGivenUpOnlyWhenThereWereAny) {
  client.SetFault(aolsim::Fault::kNoRead);
  Ask("ann", "send 3");
  ASSERT_TRUE(RunUntil(
      [&] { return server().Requests.Count() == 0 && !program.servingLoop().ticking(); }, 300));
  answers.push_back(Answer::No());
  Click("serverFrm", "Command1");
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 30));
  EXPECT_EQ(program.servingreportFrm().Label8.caption(), "Mails Not Sent:  1");
  EXPECT_THAT(program.servingreportFrm().ReportText(), HasSubstr("\r\nMails Not Sent:  1\r\n"));
}

TEST_F(HonestServingTest, WhileTheClientIsSignedOffNothingIsTakenAndServingGoesOnWhenItIsBack) {
  server().RequestTimer.Disable();
  Say({{"ann", "/serverbot send 3"}, {"bob", "/serverbot find title 1"}});
  client.SignOff();
  server().RequestTimer.Enable();
  RunFor(20);
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 3"));
  EXPECT_EQ(server().Finds.Count(), 1);
  EXPECT_THAT(client.Deliveries(), IsEmpty());
  EXPECT_THAT(server().StatusBar1.text(), HasSubstr("waiting for the client to sign on"));
  EXPECT_EQ(server().MailsServed(), 0);

  client.SignOn(kUserName);
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1 && NewMails().size() == 1; }, 60));
  RunFor(3);
  EXPECT_EQ(server().StatusBar1.text(), "1 Mails, 1 People Served");
}

// With nothing asked the tick looks at the client only once a second, which must still be soon
// enough for the user to see serving wait and go on.
TEST_F(HonestServingTest, InAnIdleRoomTheWaitingNoteFollowsTheClientWithinASecond) {
  RunFor(5);
  client.SignOff();
  RunFor(1.2);
  EXPECT_THAT(server().StatusBar1.text(), HasSubstr("waiting for the client to sign on"));
  client.SignOn(kUserName);
  RunFor(1.2);
  EXPECT_THAT(server().StatusBar1.text(), Not(HasSubstr("waiting")));
  Ask("ann", "send 3");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 60));
}

TEST_F(HonestServingTest, WhileTheRoomIsClosedNothingIsTaken) {
  server().RequestTimer.Disable();
  Ask("ann", "send 3");
  client.CloseRoom();
  server().RequestTimer.Enable();
  RunFor(20);
  EXPECT_EQ(server().Requests.Count(), 1);
  EXPECT_THAT(client.Deliveries(), IsEmpty());
  EXPECT_THAT(server().StatusBar1.text(), HasSubstr("waiting for the chat room"));
  client.OpenRoom("Lobby", {"ann"});
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 60));
}

TEST_F(HonestServingTest, AMailboxClosedWhileServingIsOpenedAgainHiddenAndTheRequestGoes) {
  vornik32::CloseWindow(program_ws, Mailbox());
  RunFor(1);
  Ask("ann", "send 3");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 60));
  EXPECT_EQ(Forwards()[0].stored_subject, "Title 3");
  ASSERT_NE(Mailbox(), winsys::kNoWindow);
  EXPECT_FALSE(program_ws.IsWindowVisible(Mailbox()));
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 3 was sent")));
}

TEST_F(HonestServingTest, AMailboxThatCannotBeOpenedAgainHoldsServingAndNothingIsLost) {
  client.SetFault(aolsim::Fault::kNoMailbox);
  vornik32::CloseWindow(program_ws, Mailbox());
  Ask("ann", "send 3");
  RunFor(120);
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 3"));
  EXPECT_THAT(server().StatusBar1.text(), HasSubstr("waiting for the mailbox"));
  EXPECT_THAT(NewAnswers(), Not(ElementsAre(Line("ann, 3 could not be sent"))));
  client.SetFault(aolsim::Fault::kNone);
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 120));
}

}  // namespace
}  // namespace serving_loop::testing
