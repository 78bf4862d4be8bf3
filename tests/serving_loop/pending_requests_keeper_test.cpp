// The pending item requests kept on disk while serving, and offered again at the next start.

#include "serving_loop/pending_requests_keeper.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "loop_fixture.h"
#include "serving_loop/pending_requests.h"

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
  std::optional<std::string> File() const { return File(Path()); }
  static std::optional<std::string> File(const std::string& path) {
    if (fs::status(path).type() != fs::file_type::regular) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
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

// A file is never lost at the start: what is not loaded is moved aside, and the box says where.
// In the texts, P stands for the file's path and K for the name it is kept under.
struct Offer {
  const char* name;
  std::optional<std::string> file;  // nothing: no file; "|": a pipe
  std::vector<std::string> boxes;   // after the reminder
  Answer answer;
  std::vector<std::string> queued;
  std::optional<std::string> left;  // what is at the path afterwards
  std::optional<std::string> kept;  // what is kept aside
};

std::vector<std::string> AnnAsksFor(int items) {
  std::vector<std::string> entries;
  for (int i = 0; i < items; ++i) entries.push_back("ann - " + std::to_string(i));
  return entries;
}
const std::string kTooMany = JoinPendingRequests(AnnAsksFor(32768));

class OfferTest : public PendingRequestsKeeperTest, public ::testing::WithParamInterface<Offer> {
 protected:
  std::string Named(std::string text) const {
    for (const auto& [mark, path] : {std::pair{'K', KeptPath()}, std::pair{'P', Path()}}) {
      const std::size_t at = text.find(std::string(" ") + mark);
      if (at != std::string::npos) text.replace(at + 1, 1, path);
    }
    return text;
  }
  std::string KeptPath() const { return (folder_ / "tollmere-pending-kept-1.req").string(); }
};

TEST_P(OfferTest, TheNextStartOffersWhatThePreviousRunLeftPending) {
  const Offer& offer = GetParam();
  if (offer.file == "|") {
    ASSERT_EQ(mkfifo(Path().c_str(), 0600), 0);
  } else if (offer.file) {
    WriteFile(*offer.file);
  }
  program.KeepPendingRequestsIn(Path());
  answers.push_back(Answer::Button(winsys::IDOK));  // the reminder
  answers.push_back(offer.answer);
  client.Start();
  client.SignOn(kUserName);
  program.Start();
  std::vector<std::string> texts = BoxTexts();
  ASSERT_FALSE(texts.empty());
  texts.erase(texts.begin());
  std::vector<std::string> expected;
  for (const std::string& box : offer.boxes) expected.push_back(Named(box));
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(Entries(server().Requests), offer.queued);
  EXPECT_EQ(File(), offer.left);
  if (offer.kept == "|") {
    EXPECT_EQ(fs::status(KeptPath()).type(), fs::file_type::fifo);
  } else {
    EXPECT_EQ(File(KeptPath()), offer.kept);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Start, OfferTest,
    ::testing::Values(
        Offer{"YesLoadsThemOnceEachAndSkipsWhatCannotBeServed",
              "ann - 2\r\nbob - 4\r\nann - 2\r\nnot a request\r\n",
              {"Load the 2 requests that were pending when tollmere last ended?"},
              Answer::Yes(),
              {"ann - 2", "bob - 4"},
              "ann - 2\r\nbob - 4\r\nann - 2\r\nnot a request\r\n",
              std::nullopt},
        Offer{"LineFeedsAloneEndLinesToo",
              "ann - 2\nbob - 4\n",
              {"Load the 2 requests that were pending when tollmere last ended?"},
              Answer::Yes(),
              {"ann - 2", "bob - 4"},
              "ann - 2\nbob - 4\n",
              std::nullopt},
        Offer{"NoKeepsTheFileAside",
              "ann - 2\r\n",
              {"Load the 1 requests that were pending when tollmere last ended?",
               "The pending requests file P was not loaded; it was kept as K."},
              Answer::No(),
              {},
              std::nullopt,
              "ann - 2\r\n"},
        Offer{"TheCountOfferedIsTheCountLoadedAndTheRestIsKept",
              kTooMany,
              {"Load the 32767 requests that were pending when tollmere last ended?",
               "The pending requests file P held more than the queue can take; it was kept as K."},
              Answer::Yes(),
              AnnAsksFor(32767),
              std::nullopt,
              kTooMany},
        Offer{"AFileWithNoRequestIsKeptAside",
              "not a request\r\n",
              {"The pending requests file P could not be read (it holds no requests); it was kept "
               "as K."},
              Answer::Button(winsys::IDOK),
              {},
              std::nullopt,
              "not a request\r\n"},
        Offer{"APipeIsNeitherWaitedForNorLost",
              "|",
              {"The pending requests file P could not be read (it is not a file); it was kept as "
               "K."},
              Answer::Button(winsys::IDOK),
              {},
              std::nullopt,
              "|"},
        Offer{"AnEmptiedQueuesFileAsksNothing", "\r\n", {}, Answer::Yes(), {}, "\r\n", {}},
        Offer{"NoFileAsksNothing", std::nullopt, {}, Answer::Yes(), {}, std::nullopt, {}}),
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
