// Stop, pause and finish as the serving tick carries them out, and the serving report window.

#include <gmock/gmock.h>

#include <algorithm>

#include "loop_fixture.h"
#include "serving_loop/serving_report_form.h"
#include "shared/ui/clipboard.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

class SequencesTest : public LoopTest {
 protected:
  SequencesTest() : LoopTest(winsys::LocalTime{2000, 6, 15, 20, 5, 9, 0}) {}
  void SetUp() override {
    StartProgram({"Apples", "Pears", "Plums", "Figs", "Kiwis"});
    StartServing();
    NewLines();
  }
  // Serving timer off, so that requests stay queued while the room asks.
  void QueueWithoutServing(const std::vector<std::pair<std::string, std::string>>& lines) {
    server().RequestTimer.Disable();
    Say(lines);
    server().RequestTimer.Enable();
  }
  void PressStop(Answer answer) {
    answers.push_back(answer);
    Click("serverFrm", "Command1");
    ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 20));
    RunFor(2);
  }
  ServingReportForm& report() { return program.servingreportFrm(); }
  bool ServerTakesInput() {
    return desktop.CanTakeInput(server().Command1.hwnd()) == winsys::sim::InputResult::kDelivered;
  }
};

TEST_F(SequencesTest, StopAnsweredNoKeepsTheQueuesForTheNextStart) {
  QueueWithoutServing({{"ann", "/serverbot send 2"}, {"bob", "/serverbot send list"}});
  Click("serverFrm", "Command1");  // Stop, before the next tick serves anything
  answers.push_back(Answer::No());
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 20));
  EXPECT_THAT(BoxTexts(), ElementsAre("Remove all pending commands?"));
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 2"));
  EXPECT_THAT(Entries(server().Lists), ElementsAre("bob"));
  EXPECT_FALSE(ServerTakesInput());  // the report is open: the server takes no clicks

  Click("servingreportFrm", "Command3");
  ASSERT_TRUE(ServerTakesInput());
  StartServing();
  ASSERT_TRUE(RunUntil([&] { return server().Requests.Count() == 0; }, 30));
  ASSERT_EQ(Forwards().size(), 2u);
  EXPECT_EQ(Forwards()[0].recipients_text, "(bob),");
  EXPECT_EQ(Forwards()[1].recipients_text, "(ann),");
}

TEST_F(SequencesTest, StopAnsweredYesEmptiesTheShownQueuesButNotTheStatusQueue) {
  QueueWithoutServing({{"ann", "/serverbot send 1"},
                       {"bob", "/serverbot send list"},
                       {"cid", "/serverbot find figs"}});
  answers.push_back(Answer::Yes());
  Click("serverFrm", "Command1");
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 20));
  EXPECT_THAT(Entries(server().Requests), IsEmpty());
  EXPECT_THAT(Entries(server().Lists), IsEmpty());
  EXPECT_THAT(Entries(server().Finds), IsEmpty());
  EXPECT_EQ(server().Frame1.caption(), "Item Requests:  0");
  EXPECT_EQ(server().Frame2.caption(), "List Requests:  0");
  EXPECT_EQ(server().Frame3.caption(), "Find Requests:  0");
  EXPECT_TRUE(Forwards().empty());
}

TEST_F(SequencesTest, FinishDropsListsAndFindsServesTheItemsThenStopsWithoutTheQuestion) {
  QueueWithoutServing({{"ann", "/serverbot send 0, 1"},
                       {"bob", "/serverbot send 2"},
                       {"cid", "/serverbot send list"},
                       {"dee", "/serverbot find figs"}});
  Click("serverFrm", "Command3");
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 60));
  RunFor(3);

  EXPECT_EQ(Forwards().size(), 3u);
  EXPECT_TRUE(NewMails().empty());
  EXPECT_THAT(BoxTexts(), IsEmpty());
  const std::vector<std::string> lines = NewAnswers();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), Line("tollmere server off, pending requests will be sent"));
  EXPECT_EQ(lines.back(), Line("tollmere server off - 3 mail(s) served"));
  EXPECT_EQ(report().Label7.caption(), "Mails Served:  3");
  EXPECT_EQ(report().Label6.caption(), "People Served:  2");
  EXPECT_EQ(server().Command1.caption(), "Start");
  EXPECT_TRUE(server().Command1.enabled());
  EXPECT_TRUE(server().Command3.enabled());
  EXPECT_EQ(server().StatusBar1.text(), "0 Mails, 0 People Served");
}

TEST_F(SequencesTest, FinishWithNothingPendingStopsAtTheNextTickAndKeepsListsAndFinds) {
  QueueWithoutServing({{"cid", "/serverbot send list"}, {"dee", "/serverbot find figs"}});
  Click("serverFrm", "Command3");  // before the next tick serves them
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 10));
  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Entries(server().Lists), ElementsAre("cid"));
  EXPECT_THAT(Entries(server().Finds), ElementsAre("dee - figs"));
}

// Finishing with the last item request removed by hand: nothing would serve an item again to end
// the finish, so it ends at the next tick.
TEST_F(SequencesTest, AFinishWhoseQueueIsEmptiedByHandStillEnds) {
  server().RequestTimer.Disable();
  server().Requests.Append("ann - 0");
  server().Requests.Append("bob - 1");
  server().RequestTimer.Enable();
  WhenIdle([&] { return !server().Command3.enabled(); },
           [&] { server().Requests.Clear(); });  // as Clear Commands would, mid-finish
  Click("serverFrm", "Command3");
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 30));
  EXPECT_TRUE(Forwards().empty());
  EXPECT_EQ(server().Command1.caption(), "Start");
}

TEST_F(SequencesTest, PauseKeepsTakingRequestsAndResumeServesThem) {
  Click("serverFrm", "Command2");
  RunFor(3);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("tollmere server paused, still taking requests")));
  EXPECT_EQ(server().Command2.caption(), "Resume");
  EXPECT_TRUE(server().Command2.enabled());
  Ask("ann", "send 3");
  RunFor(10);
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 3"));
  EXPECT_TRUE(Forwards().empty());

  Click("serverFrm", "Command2");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 10));
  RunFor(2);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("tollmere server unpaused"), Line("ann, 3 was sent")));
}

// Paused, the serving timer is off; Stop captions the Start button "Start", after which Resume
// does nothing. The stop sequence must still come, or the server could never start again.
TEST_F(SequencesTest, StopWhilePausedRunsTheStopSequenceAndTheServerStartsAgain) {
  Click("serverFrm", "Command2");
  RunFor(3);
  server().Requests.Append("ann - 3");
  PressStop(Answer::No());
  EXPECT_THAT(BoxTexts(), ElementsAre("Remove all pending commands?"));
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("tollmere server paused, still taking requests"),
                                        Line("tollmere server off - 0 mail(s) served")));
  EXPECT_EQ(server().Command2.caption(), "Pause");
  EXPECT_TRUE(server().Command1.enabled());

  Click("servingreportFrm", "Command3");
  StartServing();
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 1; }, 10));
  EXPECT_EQ(Forwards()[0].recipients_text, "(ann),");
}

// Pause pressed, then Stop before the tick came to pause: the stop sequence replaces the pause,
// and the Pause button must not stay disabled for the rest of the run.
TEST_F(SequencesTest, PauseThenStopInTheSameTickLeavesPauseUsable) {
  server().Requests.Append("ann - 0");
  WhenIdle([&] { return Forwards().size() == 1; },
           [&] {
             Click("serverFrm", "Command2");
             answers.push_back(Answer::No());
             Click("serverFrm", "Command1");
           });
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 20));
  EXPECT_EQ(server().Command2.caption(), "Pause");
  EXPECT_TRUE(server().Command2.enabled());
  EXPECT_FALSE(program.variables().PauseRequested && server().Command1.caption() == "Stop");
}

TEST_F(SequencesTest, TheReportShowsTheSessionAndItsTextHasNineLineBreaks) {
  Say({{"ann", "/serverbot send 0, 1"}, {"bob", "/serverbot send 1"}});
  ASSERT_TRUE(RunUntil([&] { return server().Requests.Count() == 0; }, 30));
  RunFor(2);
  ASSERT_EQ(server().StatusBar1.text(), "2 Mails, 2 People Served");
  PressStop(Answer::No());

  EXPECT_EQ(report().form.caption(), "Serving Report");
  EXPECT_EQ(report().Frame1.caption(), "Statistics:");
  EXPECT_EQ(report().Label1.caption(), "Date:  6/15/2000");
  EXPECT_EQ(report().Label2.caption(), "Screenname:  ServerBot");
  EXPECT_EQ(report().Label3.caption(), "Serving Handle:  serverbot");
  const std::string started = program.variables().TimeStarted;
  const std::string ended = program.variables().TimeEnded;
  EXPECT_THAT(started, MatchesRegex("8:05:[0-5][0-9] PM"));
  EXPECT_THAT(ended, MatchesRegex("8:0[5-6]:[0-5][0-9] PM"));
  EXPECT_EQ(report().Label4.caption(), "Time Started:  " + started);
  EXPECT_EQ(report().Label5.caption(), "Time Ended:  " + ended);
  EXPECT_EQ(report().Label6.caption(), "People Served:  2");
  EXPECT_EQ(report().Label7.caption(), "Mails Served:  2");

  const std::string expected =
      "!! Tollmere Serving Report !!\r\n\r\nDate:  6/15/2000\r\n"
      "Screenname:  ServerBot\r\nServing Handle:  serverbot\r\n"
      "Time Started:  " +
      started + "\r\nTime Ended:  " + ended + "\r\nPeople Served:  2\r\nMails Served:  2\r\n";
  for (int copy = 0; copy < 2; ++copy) {
    Click("servingreportFrm", "Command1");
    EXPECT_EQ(ui::Clipboard(program_ws).GetText(), expected);
  }
  EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 9);
  EXPECT_THAT(BoxTexts(), ElementsAre("Remove all pending commands?",
                                      "The serving report has been copied to the clipboard.",
                                      "The serving report has been copied to the clipboard."));
}

TEST_F(SequencesTest, TheReportIsMailedOnlyToAScreenName) {
  PressStop(Answer::No());
  answers.push_back(Answer::Text("screenname@aol.com"));  // the example, untouched
  Click("servingreportFrm", "Command2");
  answers.push_back(Answer::Cancel());
  Click("servingreportFrm", "Command2");
  RunFor(5);
  EXPECT_TRUE(NewMails().empty());
  ASSERT_FALSE(inputs.empty());
  const auto input = inputs.begin();
  EXPECT_EQ(input->title, "Send to who?");
  EXPECT_EQ(input->text, "Who do you want to send the serving report to?");
  EXPECT_EQ(input->default_text.size(), 18u);

  answers.push_back(Answer::Text("Joe Smith"));
  Click("servingreportFrm", "Command2");
  ASSERT_TRUE(RunUntil([&] { return NewMails().size() == 1; }, 20));
  EXPECT_EQ(NewMails()[0].recipients_text, "JoeSmith");
  EXPECT_EQ(NewMails()[0].subject, "!! Tollmere Serving Report !!");
  EXPECT_EQ(NewMails()[0].text, report().ReportText());
}

}  // namespace
}  // namespace serving_loop::testing
