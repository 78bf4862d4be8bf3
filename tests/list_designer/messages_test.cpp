// The Messages window: the mail message saved to and loaded from text files through the file
// dialogs, cancelled dialogs changing nothing, and the texts in force once the window was closed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "list_designer/messages_form.h"
#include "support/program_fixture.h"

namespace list_designer {
namespace {

using tollmere_testing::Answer;
using tollmere_testing::ProgramHarness;

constexpr char kMessages[] = "messagesFrm";

class MessagesTest : public ::testing::Test {
 protected:
  MessagesTest() : h_(aolsim::Layout::kVersion5) {
    h_.StartSignedOn();
    folder_ = std::filesystem::temp_directory_path() /
              ("messages_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    messages().Show();
  }
  ~MessagesTest() override { std::filesystem::remove_all(folder_); }

  MessagesForm& messages() { return h_.program.messagesFrm(); }
  std::string In(const std::string& name) { return (folder_ / name).string(); }
  static std::string Content(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  void Save(std::optional<std::string> path) {
    h_.answers.push_back(path ? Answer::Text(std::move(*path)) : Answer::Cancel());
    h_.Click(kMessages, "Command2");
  }
  void Load(std::optional<std::string> path) {
    h_.answers.push_back(path ? Answer::Text(std::move(*path)) : Answer::Cancel());
    h_.Click(kMessages, "Command1");
  }

  std::filesystem::path folder_;
  ProgramHarness h_;
};

TEST_F(MessagesTest, SavedNamesGetTheTextExtensionUnlessTheyHoldIt) {
  struct Row {
    const char* typed;
    const char* written;
  };
  const Row rows[] = {
      {"notes", "notes.txt"},
      {"kept.txt", "kept.txt"},
      {"shout.TXT", "shout.TXT.txt"},  // the extension is looked for in small letters
      {"a.txt.bak", "a.txt.bak"},      // anywhere in the name
  };
  h_.Type(kMessages, "Text2", "Thanks for asking!");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    Save(In(row.typed));
    EXPECT_EQ(Content(In(row.written)), "Thanks for asking!\r\n");
  }
  EXPECT_FALSE(std::filesystem::exists(In("notes")));
}

TEST_F(MessagesTest, ALoadedFileReplacesTheMessageAsItStands) {
  h_.Type(kMessages, "Text2", "<b>Enjoy</b>\r\nsecond line");
  Save(In("mine"));
  h_.Type(kMessages, "Text2", "something else");
  Load(In("mine.txt"));
  // The file holds the message and the line break written after it.
  EXPECT_EQ(messages().MailMessage(), "<b>Enjoy</b>\r\nsecond line\r\n");
  EXPECT_EQ(h_.boxes.size(), 0u);
}

TEST_F(MessagesTest, CancelledDialogsAndMissingFilesChangeNothing) {
  h_.Type(kMessages, "Text2", "as it was");
  Save(std::nullopt);
  Load(std::nullopt);
  Load(In("no such file.txt"));
  EXPECT_EQ(messages().MailMessage(), "as it was");
  EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

TEST_F(MessagesTest, TheDialogsAskForWhatTheyAreFor) {
  std::vector<winsys::FileDialogSpec> asked;
  h_.on_idle = [&] {
    const auto top = h_.desktop.TopModal();
    if (top && top->kind == winsys::sim::ModalKind::kFileDialog &&
        (asked.empty() || asked.back().title != top->file_spec.title)) {
      asked.push_back(top->file_spec);
    }
  };
  Load(std::nullopt);
  Save(std::nullopt);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].title, "Select message");
  EXPECT_EQ(asked[0].filter_text, "*.*  (All Files)");
  EXPECT_EQ(asked[1].title, "Type a filename");
  EXPECT_EQ(asked[1].filter_text, "*.txt  (Text Files)");
}

TEST_F(MessagesTest, ClosingPutsTheTextsInForceAndEnablesTheServerWindow) {
  EXPECT_EQ(messages().ChatSuffix(), "was sent");
  EXPECT_EQ(messages().MailMessage(), "Message here.\r\n");
  EXPECT_FALSE(h_.Enabled("serverFrm"));
  EXPECT_FALSE(h_.program.variables().CustomMessages);
  h_.Type(kMessages, "Text1", "");
  h_.Close(kMessages);
  EXPECT_TRUE(h_.program.variables().CustomMessages);
  EXPECT_TRUE(h_.Enabled("serverFrm"));
  EXPECT_FALSE(h_.Visible(kMessages));
  EXPECT_EQ(messages().ChatSuffix(), "");
  messages().Show();
  EXPECT_FALSE(h_.Enabled("serverFrm"));
  EXPECT_EQ(messages().MailMessage(), "Message here.\r\n");
}

}  // namespace
}  // namespace list_designer
