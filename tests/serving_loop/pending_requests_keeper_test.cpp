// The pending item requests kept on disk while serving, and offered again at the next start.

#include "serving_loop/pending_requests_keeper.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "loop_fixture.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;

namespace fs = std::filesystem;

const std::vector<std::string> kTitles = {"Apples", "Pears", "Plums", "Figs", "Kiwis"};

class PendingRequestsKeeperTest : public LoopTest {
 protected:
  PendingRequestsKeeperTest() {
    folder_ = fs::temp_directory_path() /
              ("tollmere_pending_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~PendingRequestsKeeperTest() override { fs::remove_all(folder_); }

  std::string Path() const { return (folder_ / kPendingRequestsFileName).string(); }
  void StartKeeping(const std::string& path) {
    program.KeepPendingRequestsIn(path);
    StartProgram(kTitles);
  }
  // What the file holds, or nothing when there is none.
  std::optional<std::string> File() const {
    std::ifstream in(Path(), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(in), {}};
  }
  void WriteFile(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }
  // Serving paused: the room's requests are taken and stay queued.
  void ServeThenPause() {
    StartServing();
    Click("serverFrm", "Command2");
    RunFor(2);
    ASSERT_EQ(server().Command2.caption(), "Resume");
  }
  void PressStop(Answer remove_pending) {
    answers.push_back(remove_pending);
    Click("serverFrm", "Command1");
    ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 20));
  }

  fs::path folder_;
};

TEST_F(PendingRequestsKeeperTest, TheQueueIsOnDiskWithinTheSpacingOfAChangeWhileServing) {
  StartKeeping(Path());
  ServeThenPause();
  EXPECT_EQ(File(), std::nullopt);  // nothing pending yet: no file
  Ask("ann", "send 2");
  Ask("bob", "send 4");
  ASSERT_THAT(Entries(server().Requests), ElementsAre("ann - 2", "bob - 4"));
  RunFor(PendingRequestsKeeper::kSaveSpacing + 5);
  EXPECT_EQ(File(), "ann - 2\r\nbob - 4\r\n");  // the format of Save Requests
}

TEST_F(PendingRequestsKeeperTest, StopWritesWhatStaysQueuedAndAnEmptiedQueueLeavesNoFile) {
  StartKeeping(Path());
  ServeThenPause();
  Ask("ann", "send 1");
  PressStop(Answer::No());
  EXPECT_EQ(File(), "ann - 1\r\n");

  Click("servingreportFrm", "Command3");
  StartServing();
  Click("serverFrm", "Command2");
  RunFor(2);
  PressStop(Answer::Yes());  // remove all pending commands
  EXPECT_EQ(File(), std::nullopt);
}

TEST_F(PendingRequestsKeeperTest, ClosingTheServerWindowWhileServingKeepsTheQueue) {
  StartKeeping(Path());
  ServeThenPause();
  Ask("cid", "send 3");
  desktop.UserClose(server().form.hwnd());
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(File(), "cid - 3\r\n");
}

// The entries a forward has taken out of the queue are on disk too while the client works on
// them: closed in the middle, the program keeps them at the head, where they would go back.
TEST_F(PendingRequestsKeeperTest, ClosingDuringAForwardKeepsTheEntriesItHadTaken) {
  StartKeeping(Path());
  ServeThenPause();
  Ask("ann", "send 2");
  Ask("bob", "send 4");
  client.SetDelay(aolsim::Delay::kRead, 4);
  WhenIdle([&] { return server().Requests.Count() == 1; },
           [&] { desktop.UserClose(server().form.hwnd()); });
  Click("serverFrm", "Command2");  // Resume: the next tick forwards item 2
  RunFor(10);
  ASSERT_TRUE(program.ended());
  EXPECT_TRUE(Forwards().empty());
  EXPECT_EQ(File(), "ann - 2\r\nbob - 4\r\n");
}

TEST_F(PendingRequestsKeeperTest, AFinishWritesAsItServesAndLeavesNoFileWhenDone) {
  StartKeeping(Path());
  ServeThenPause();
  Ask("ann", "send 1");
  Ask("bob", "send 2");
  RunFor(PendingRequestsKeeper::kSaveSpacing + 5);
  ASSERT_EQ(File(), "ann - 1\r\nbob - 2\r\n");
  Click("serverFrm", "Command3");  // Finish, then Resume: the items are served, then it stops
  Click("serverFrm", "Command2");
  ASSERT_TRUE(RunUntil([&] { return Loaded("servingreportFrm"); }, 120));
  EXPECT_EQ(Forwards().size(), 2u);
  EXPECT_EQ(File(), std::nullopt);
}

struct Offer {
  const char* name;
  const char* file;                // nullptr: no file
  std::vector<std::string> boxes;  // after the reminder
  Answer answer;
  std::vector<std::string> queued;
};

class OfferTest : public PendingRequestsKeeperTest, public ::testing::WithParamInterface<Offer> {};

TEST_P(OfferTest, TheNextStartOffersWhatThePreviousRunLeftPending) {
  const Offer& offer = GetParam();
  if (offer.file != nullptr) WriteFile(offer.file);
  program.KeepPendingRequestsIn(Path());
  answers.push_back(Answer::Button(winsys::IDOK));  // the reminder
  answers.push_back(offer.answer);
  client.Start();
  client.SignOn(kUserName);
  program.Start();
  std::vector<std::string> texts = BoxTexts();
  ASSERT_FALSE(texts.empty());
  texts.erase(texts.begin());
  EXPECT_EQ(texts, offer.boxes);
  EXPECT_EQ(Entries(server().Requests), offer.queued);
  if (offer.file != nullptr) {
    EXPECT_EQ(File(), offer.file);  // left as it was, either way
  }
}

INSTANTIATE_TEST_SUITE_P(
    Start, OfferTest,
    ::testing::Values(Offer{"YesLoadsThemOnceEachAndSkipsWhatCannotBeServed",
                            "ann - 2\r\nbob - 4\r\nann - 2\r\nnot a request\r\n",
                            {"Load the 2 requests that were pending when tollmere last ended?"},
                            Answer::Yes(),
                            {"ann - 2", "bob - 4"}},
                      Offer{"NoLeavesTheQueueEmpty",
                            "ann - 2\r\n",
                            {"Load the 1 requests that were pending when tollmere last ended?"},
                            Answer::No(),
                            {}},
                      Offer{"AFileWithoutRequestsAsksNothing", "\r\n", {}, Answer::Yes(), {}},
                      Offer{"NoFileAsksNothing", nullptr, {}, Answer::Yes(), {}}),
    [](const ::testing::TestParamInfo<Offer>& info) { return std::string(info.param.name); });

TEST_F(PendingRequestsKeeperTest, AFileThatCannotBeWrittenIsToldAtTheStop) {
  StartKeeping((folder_ / "no such folder" / kPendingRequestsFileName).string());
  ServeThenPause();
  Ask("ann", "send 1");
  RunFor(PendingRequestsKeeper::kSaveSpacing + 5);
  boxes.clear();
  PressStop(Answer::No());
  RunFor(1);
  EXPECT_THAT(
      BoxTexts(),
      ElementsAre("Remove all pending commands?",
                  "The pending requests could not be saved to " +
                      (folder_ / "no such folder" / kPendingRequestsFileName).string() + "!"));
}

TEST_F(PendingRequestsKeeperTest, WithoutAPlaceNothingIsWritten) {
  StartProgram(kTitles);  // as the scenario runner and the demo run the program
  ServeThenPause();
  Ask("ann", "send 1");
  RunFor(PendingRequestsKeeper::kSaveSpacing + 5);
  PressStop(Answer::No());
  EXPECT_TRUE(fs::is_empty(folder_));
  EXPECT_FALSE(fs::exists(kPendingRequestsFileName));
}

}  // namespace
}  // namespace serving_loop::testing
