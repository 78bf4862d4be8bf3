#include "aol_automation/text_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vornik32 {
namespace {

namespace fs = std::filesystem;

class TextFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    folder_ =
        fs::temp_directory_path() / (std::string("tollmere_text_files_") + info->name() + "_" +
                                     std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  int FilesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(TextFilesTest, WrittenTextReadsBackWithLineEndAdded) {
  const std::string path = PathOf("requests.req");
  const std::string text = "Joe - 12\r\nAnn - 3\r\n\x95 caf\xE9";
  ASSERT_EQ(WriteTextFile(path, text), WriteResult::kWritten);
  EXPECT_EQ(ReadTextFile(path), text + "\r\n");
  EXPECT_EQ(FilesInFolder(), 1) << "nothing is left beside the file";
}

TEST_F(TextFilesTest, ContentWithNulBytesSurvives) {
  const std::string path = PathOf("bytes.txt");
  const std::string text("a\0b", 3);
  ASSERT_EQ(WriteTextFile(path, text), WriteResult::kWritten);
  EXPECT_EQ(ReadTextFile(path), text + "\r\n");
}

TEST_F(TextFilesTest, WritingReplacesALongerFileWhole) {
  const std::string path = PathOf("messages.txt");
  ASSERT_EQ(WriteTextFile(path, std::string(10000, 'x')), WriteResult::kWritten);
  ASSERT_EQ(WriteTextFile(path, "short"), WriteResult::kWritten);
  EXPECT_EQ(ReadTextFile(path), "short\r\n");
}

TEST_F(TextFilesTest, EmptyTextWritesTheLineEnd) {
  const std::string path = PathOf("empty.txt");
  ASSERT_EQ(WriteTextFile(path, ""), WriteResult::kWritten);
  EXPECT_EQ(ReadTextFile(path), "\r\n");
}

TEST_F(TextFilesTest, ReadingAMissingFileOrAFolderFails) {
  EXPECT_EQ(ReadTextFile(PathOf("missing.req")), std::nullopt);
  EXPECT_EQ(ReadTextFile(folder_.string()), std::nullopt);
}

TEST_F(TextFilesTest, ReadingAnEmptyFileGivesTheEmptyText) {
  const std::string path = PathOf("nothing.txt");
  std::ofstream(path, std::ios::binary).close();
  EXPECT_EQ(ReadTextFile(path), std::string());
}

TEST_F(TextFilesTest, WritingIntoAMissingFolderFailsAndCreatesNothing) {
  const std::string path = PathOf("no_such_folder/requests.req");
  EXPECT_EQ(WriteTextFile(path, "x"), WriteResult::kCannotCreate);
  EXPECT_EQ(FilesInFolder(), 0);
}

TEST_F(TextFilesTest, AFolderInTheWayIsNotReplacedAndTheNewContentIsCleanedUp) {
  const std::string path = PathOf("occupied");
  fs::create_directories(fs::path(path) / "inside");
  EXPECT_EQ(WriteTextFile(path, "x"), WriteResult::kCannotReplace);
  EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
  EXPECT_EQ(FilesInFolder(), 1) << "only the folder that was there";
}

TEST_F(TextFilesTest, AStaleNewContentFileFromACrashIsOverwritten) {
  const std::string path = PathOf("requests.req");
  ASSERT_EQ(WriteTextFile(path, "old"), WriteResult::kWritten);
  std::ofstream(path + ".new~", std::ios::binary) << "torn half of an earlier wri";
  ASSERT_EQ(WriteTextFile(path, "new"), WriteResult::kWritten);
  EXPECT_EQ(ReadTextFile(path), "new\r\n");
  EXPECT_EQ(FilesInFolder(), 1);
}

// Links planted at the side file or at the file itself: what they point at is never written,
// and the file saved is a file of its own.
TEST_F(TextFilesTest, AWriteGoesThroughNoLink) {
  const std::string path = PathOf("requests.req");
  const std::string victim = PathOf("victim");
  std::ofstream(victim, std::ios::binary) << "keep";
  for (const std::string& link : {path + ".new~", path}) {
    fs::remove(link);
    fs::create_symlink(victim, link);
    ASSERT_EQ(WriteTextFile(path, "new"), WriteResult::kWritten);
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(ReadTextFile(path), "new\r\n");
    EXPECT_EQ(ReadTextFile(victim), "keep");
  }
  EXPECT_EQ(FilesInFolder(), 2);
}

}  // namespace
}  // namespace vornik32
