// Requests typed into the stand-in's room reach the queues through the chat timer: read and
// emptied every five seconds while serving (and while paused), never before Start.

#include <gmock/gmock.h>

#include "list_designer/banning_form.h"
#include "serving_engine/engine_fixture.h"

namespace serving_engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RoomIntakeTest : public ::testing::Test {
 protected:
  RoomIntakeTest() {
    engine_.SignedOnInRoom();
    engine_.FillMailData(250);
  }
  void StartTakingRequests() {
    engine_.StartServing();
    engine_.HoldServingTicks();
  }
  Engine engine_;
};

TEST_F(RoomIntakeTest, RequestsLandInTheQueuesWithinFiveSeconds) {
  StartTakingRequests();
  engine_.Say("Joe", "/ada reed send 12");
  engine_.Say("Mia", "/Ada Reed send 1, 3-4, 007");
  engine_.Say("Joe", "/ada reed send list");
  engine_.Say("Mia", "/ada reed find Red Car, Blue Bike, Green Van");
  engine_.Say("Joe", "/ada reed status");
  engine_.Say("Joe", "hello everyone");
  engine_.RunFor(5);

  ServerForm& server = engine_.server();
  EXPECT_THAT(engine_.Entries(server.Requests),
              ElementsAre("Joe - 12", "Mia - 1", "Mia - 3", "Mia - 4", "Mia - 7"));
  EXPECT_THAT(engine_.Entries(server.Lists), ElementsAre("Joe"));
  EXPECT_THAT(engine_.Entries(server.Finds),
              ElementsAre("Mia - red car", "Mia - blue bike", "Mia - Green Van"));
  EXPECT_THAT(engine_.Entries(server.Statuss), ElementsAre("Joe"));
  EXPECT_EQ(server.Frame1.caption(), "Item Requests:  5");
  EXPECT_EQ(server.Frame2.caption(), "List Requests:  1");
  EXPECT_EQ(server.Frame3.caption(), "Find Requests:  3");
  EXPECT_EQ(vornik32::ChatText(engine_.program_ws), "");
  // What the list boxes show is what the queues hold.
  EXPECT_EQ(vornik32::ListCount(engine_.program_ws, server.Requests.list().hwnd()), 5);
}

TEST_F(RoomIntakeTest, NothingIsTakenBeforeStart) {
  engine_.Say("Joe", "/ada reed send 12");
  engine_.RunFor(30);
  EXPECT_EQ(engine_.server().Requests.Count(), 0);
}

TEST_F(RoomIntakeTest, TheProgramsOwnLinesAreNeverRequests) {
  engine_.StartServing();
  // The advert names the commands; the user's lines come back in the transcript.
  vornik32::ChatSend(engine_.program_ws, "/ada reed send 3");
  engine_.RunFor(5);
  EXPECT_EQ(engine_.server().Requests.Count(), 0);
}

TEST_F(RoomIntakeTest, BannedNamesInAnyLetterCaseAreIgnoredWhileTheListIsUsed) {
  engine_.program.banningFrm().List1.add("joe");
  StartTakingRequests();
  engine_.Say("Joe", "/ada reed send 1");
  engine_.RunFor(5);
  EXPECT_THAT(engine_.Entries(engine_.server().Requests), ElementsAre("Joe - 1"));

  engine_.program.variables().BanListUsed = true;
  engine_.Say("JOE", "/ada reed send 2");
  engine_.Say("Mia", "/ada reed send 2");
  engine_.RunFor(5);
  EXPECT_THAT(engine_.Entries(engine_.server().Requests), ElementsAre("Joe - 1", "Mia - 2"));
}

TEST_F(RoomIntakeTest, RequestsAreStillTakenWhilePaused) {
  engine_.StartServing();
  engine_.Click(engine_.server().Command2);
  engine_.server().RequestTimer.Disable();
  engine_.Say("Joe", "/ada reed send 9");
  engine_.RunFor(5);
  EXPECT_THAT(engine_.Entries(engine_.server().Requests), ElementsAre("Joe - 9"));
}

TEST_F(RoomIntakeTest, WithoutARoomTheTickDoesNothing) {
  engine_.StartServing();
  engine_.client.CloseRoom();
  engine_.RunFor(20);
  EXPECT_THAT(engine_.Entries(engine_.server().Requests), IsEmpty());
  EXPECT_TRUE(engine_.server().ChatTimer.enabled());
}

}  // namespace
}  // namespace serving_engine::testing
