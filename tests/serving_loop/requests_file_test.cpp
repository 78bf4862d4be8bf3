// Save Requests and Load Requests through the options menu and the file dialogs.

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "aol_automation/text_files.h"
#include "loop_fixture.h"

namespace serving_loop::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

class RequestsFileTest : public LoopTest {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tollmere_requests_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    StartProgram({"Apples", "Pears", "Plums", "Figs", "Kiwis"});
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Save(const std::string& typed) {
    ChooseMenu(program.menuFrm().savereqmenu, {Answer::Text(typed)});
  }
  void Load(const std::string& typed) {
    ChooseMenu(program.menuFrm().loadreqmenu, {Answer::Text(typed)});
  }
  const winsys::sim::ModalInfo* FileDialog() const {
    return files.empty() ? nullptr : &files.front();
  }

  fs::path folder_;
};

TEST_F(RequestsFileTest, SavingWritesTheQueueInOrderAndANameWithoutExtensionGetsReq) {
  server().Requests.Append("ann - 12");
  server().Requests.Append("bob - 7");
  Save(PathOf("pending"));
  EXPECT_EQ(Read("pending.req"), "ann - 12\r\nbob - 7\r\n");
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 12", "bob - 7"));

  const winsys::sim::ModalInfo* dialog = FileDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, "Type a Filename");
  EXPECT_EQ(dialog->file_spec.filter_text, "Requests  (*.req)");
  EXPECT_EQ(dialog->file_spec.filter_pattern, "*.req");
  EXPECT_EQ(dialog->file_spec.default_extension, "req");
  EXPECT_THAT(BoxTexts(), IsEmpty());
}

TEST_F(RequestsFileTest, AnEmptyQueueSavesOneLineBreakOverTheOldFile) {
  Write("old.req", "ann - 1\r\n");
  Save(PathOf("old.req"));
  EXPECT_EQ(Read("old.req"), "\r\n");
}

TEST_F(RequestsFileTest, LoadingTwiceAddsEachEntryOnceBehindTheQueuedOnes) {
  Write("saved.req", "bob - 7\r\nann - 12\r\nbob - 7\r\ncid - 3\r\n");
  server().Requests.Append("ann - 12");
  Load(PathOf("saved.req"));
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 12", "bob - 7", "cid - 3"));
  EXPECT_EQ(server().Frame1.caption(), "Item Requests:  3");
  server().Frame1.set_caption("untouched");
  Load(PathOf("saved.req"));
  EXPECT_EQ(server().Requests.Count(), 3);
  EXPECT_EQ(server().Frame1.caption(), "untouched");
  EXPECT_EQ(FileDialog()->title, "Select a File");
}

// Only what the serving loop can serve is taken; everything else in the file is skipped.
TEST_F(RequestsFileTest, LinesThatAreNoServableEntriesAreSkipped) {
  Write("mixed.req",
        "ann - 12\r\n\r\nno separator\r\nbob - seven\r\ncid - 3x\r\n - 4\r\n   - 5\r\n"
        "x),(eve - 6\r\ndee - -1\r\nfay - 012\r\ngus - 1 - 2\r\nhal - 2");
  Load(PathOf("mixed.req"));
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 12", "fay - 012", "hal - 2"));
}

TEST_F(RequestsFileTest, LoadedRequestsAreServedInFileOrder) {
  Write("saved.req", "bob - 1\r\nann - 2\r\n");
  Load(PathOf("saved.req"));
  StartServing();
  ASSERT_TRUE(RunUntil([&] { return Forwards().size() == 2; }, 30));
  EXPECT_EQ(Forwards()[0].recipients_text, "(bob),");
  EXPECT_EQ(Forwards()[1].recipients_text, "(ann),");
}

TEST_F(RequestsFileTest, CancellingEitherDialogChangesNothing) {
  server().Requests.Append("ann - 1");
  ChooseMenu(program.menuFrm().savereqmenu, {Answer::Cancel()});
  ChooseMenu(program.menuFrm().loadreqmenu, {Answer::Cancel()});
  Save("   ");
  EXPECT_TRUE(fs::is_empty(folder_));
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 1"));
  EXPECT_THAT(BoxTexts(), IsEmpty());
}

// What the disk may hold in place of a requests file is refused at once, with its reason: a pipe
// with no writer does not hold the program up, a link to an endless device fills no memory.
TEST_F(RequestsFileTest, AFileThatCannotBeReadOrWrittenIsNamedInAMessage) {
  server().Requests.Append("ann - 1");
  ASSERT_EQ(mkfifo(PathOf("pipe.req").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", PathOf("endless.req"));
  Write("huge.req", "");
  fs::resize_file(PathOf("huge.req"), vornik32::kMostTextFileBytes + 1);
  const std::string nowhere = PathOf("no folder/pending.req");
  std::vector<std::string> expected;
  for (const auto& [name, why] : {std::pair{"missing.req", "it cannot be opened"},
                                  {"pipe.req", "it is not a file"},
                                  {"endless.req", "it is not a file"},
                                  {"huge.req", "it is larger than 4 MB"}}) {
    Load(PathOf(name));
    expected.push_back("The requests could not be read from " + PathOf(name) + ": " + why + "!");
  }
  Save(nowhere);
  expected.push_back("The requests could not be saved to " + nowhere + "!");
  EXPECT_EQ(BoxTexts(), expected);
  EXPECT_TRUE(boxes.back().type & winsys::MB_ICONERROR);
  EXPECT_THAT(Entries(server().Requests), ElementsAre("ann - 1"));
}

}  // namespace
}  // namespace serving_loop::testing
