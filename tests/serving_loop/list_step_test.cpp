// List requests served by the serving tick: batches of five requesters, the lists in number
// order, and Stop in the middle of a batch.

#include <gmock/gmock.h>

#include "loop_fixture.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;

const std::vector<std::string> kMembers = {"ann", "bob", "cid", "dee", "eve", "fay", "gus"};

class ListStepTest : public LoopTest {
 protected:
  void StartWithLists(int list_count) {
    StartProgram({"Apples", "Pears", "Plums"}, kMembers, list_count);
    StartServing();
    NewLines();
  }
  void AskAllForLists() {
    for (const std::string& name : kMembers) client.Say(name, "/serverbot send list");
  }
};

// Start marks lists due once; with the start-up choice the list timer marks them again a minute
// later, and only then do the last two requesters get theirs.
TEST_F(ListStepTest, SevenRequestersAreServedInTwoBatchesOfAtMostFive) {
  StartWithLists(2);
  AskAllForLists();
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 20));
  for (const aolsim::Delivery& forward : Forwards()) {
    EXPECT_EQ(forward.recipients_text, "(ann),(bob),(cid),(dee),(eve),");
  }
  RunFor(2);
  EXPECT_THAT(Entries(server().Lists), ElementsAre("fay", "gus"));
  EXPECT_EQ(server().Frame2.caption(), "List Requests:  2");
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann,bob,cid,dee,eve, 2 list(s) were sent")));

  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 4; }, 70));
  EXPECT_EQ(Forwards()[3].recipients_text, "(fay),(gus),");
  EXPECT_EQ(server().Frame2.caption(), "List Requests:  0");
}

TEST_F(ListStepTest, ListsGoOutInNumberOrderWhateverTheirPlaceInTheMailbox) {
  StartWithLists(3);
  ui::ListBox& serving_lists = program.listdesignerFrm().ServingLists;
  serving_lists.clear();
  for (const char* entry : {"3-2", "1-0", "2-1"}) serving_lists.add(entry);

  Ask("ann", "send list");
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 3; }, 20));
  const std::vector<aolsim::Delivery> forwards = Forwards();
  for (int list = 1; list <= 3; ++list) {
    const aolsim::Delivery& forward = forwards[static_cast<std::size_t>(list - 1)];
    EXPECT_EQ(forward.mailbox_position, list - 1);
    EXPECT_NE(forward.text.find("\x95 server list #" + std::to_string(list) + "</font></p>"),
              std::string::npos);
  }
}

// Lists 1 to the highest, each once: a list found twice goes once; with one missing none goes.
TEST_F(ListStepTest, EachListGoesOnceAndNoneWhileOneIsMissing) {
  StartWithLists(3);
  ui::ListBox& serving_lists = program.listdesignerFrm().ServingLists;
  serving_lists.clear();
  for (const char* entry : {"1-0", "2-1", "2-1"}) serving_lists.add(entry);
  Ask("ann", "send list");
  RunFor(10);
  EXPECT_EQ(Forwards().size(), 2u);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 2 list(s) were sent")));
  serving_lists.add("4-3");
  program.variables().ListsDue = true;
  Ask("bob", "send list");
  RunFor(10);
  EXPECT_EQ(Forwards().size(), 2u);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("bob, the lists could not be sent")));
}

TEST_F(ListStepTest, WithoutServingListsTheRequestersAreStillTakenAndTold) {
  StartWithLists(1);
  program.listdesignerFrm().ServingLists.clear();
  Ask("ann", "send list");
  RunFor(3);
  EXPECT_TRUE(Forwards().empty());
  EXPECT_EQ(server().Lists.Count(), 0);
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("ann, 0 list(s) were sent")));
}

// Stop pressed while the batch waits between two forwards: the next list is not forwarded, the
// requesters taken are not put back, and the stop sequence follows.
TEST_F(ListStepTest, StopBetweenTwoForwardsEndsTheBatch) {
  StartWithLists(3);
  client.Say("ann", "/serverbot send list");
  client.Say("bob", "/serverbot send 1");
  answers.push_back(Answer::No());
  WhenIdle([&] { return Forwards().size() == 1; }, [&] { Click("serverFrm", "Command1"); });
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 40));

  EXPECT_EQ(Forwards().size(), 1u);
  EXPECT_EQ(server().Lists.Count(), 0);
  EXPECT_THAT(Entries(server().Requests), ElementsAre("bob - 1"));
  EXPECT_THAT(NewAnswers(), ElementsAre(Line("tollmere server off - 0 mail(s) served")));
  EXPECT_THAT(BoxTexts(), ElementsAre("Remove all pending commands?"));
}

}  // namespace
}  // namespace serving_loop::testing
