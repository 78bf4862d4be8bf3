// The Banning window as a person uses it: the room's members offered on every activation, bans
// entered with Enter and lifted with a double-click, and the ban list in force, in any letter
// case, only once the window has been closed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_designer/banning_form.h"
#include "support/program_fixture.h"

namespace list_designer {
namespace {

using tollmere_testing::ProgramHarness;

constexpr char kBanning[] = "banningFrm";

class BanningTest : public ::testing::Test {
 protected:
  BanningTest() : h_(aolsim::Layout::kVersion5) {
    h_.StartSignedOn("Ada Reed");
    h_.client.OpenRoom("Lobby", {"Joe Blow", "MaryK", "joe blow", "Zed"});
  }

  BanningForm& banning() { return h_.program.banningFrm(); }
  void Ban(const std::string& name) {
    h_.Type(kBanning, "Combo1", name);
    h_.Enter(kBanning, "Combo1");
  }

  ProgramHarness h_;
};

TEST_F(BanningTest, EveryActivationOffersTheRoomsOtherMembersOnce) {
  banning().Show();
  EXPECT_EQ(banning().Combo1.items(), (std::vector<std::string>{"Joe Blow", "MaryK", "Zed"}));
  h_.Type(kBanning, "Combo1", "half typed");
  h_.Close(kBanning);
  h_.client.Leave("Zed");
  h_.client.Join("Newcomer");
  banning().Show();
  EXPECT_EQ(banning().Combo1.items(), (std::vector<std::string>{"Joe Blow", "MaryK", "Newcomer"}));
  EXPECT_EQ(banning().Combo1.text(), "");
}

TEST_F(BanningTest, EnterBansValidNewNamesAsTyped) {
  banning().Show();
  struct Row {
    const char* typed;
    bool added;
    const char* text_left;  // in Combo1 afterwards
  };
  const Row rows[] = {
      {"Joe Blow", true, ""},
      {"JOE BLOW", false, "JOE BLOW"},  // banned already, in another letter case
      {"Al", false, "Al"},              // too short
      {"a b c", true, ""},              // five characters, three of them not blanks
      {"a    b", false, "a    b"},      // only two that are not blanks
      {"Seventeen chars!!", false, "Seventeen chars!!"},
      {"Sixteen chars!!!", true, ""},
  };
  int expected_count = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    Ban(row.typed);
    if (row.added) {
      ++expected_count;
      EXPECT_EQ(banning().List1.item(expected_count - 1), row.typed);
    }
    EXPECT_EQ(banning().List1.count(), expected_count);
    EXPECT_EQ(banning().Combo1.text(), row.text_left);
    EXPECT_EQ(h_.Caption(kBanning, "Frame1"), "Banned:  " + std::to_string(expected_count));
  }
}

TEST_F(BanningTest, DoubleClickLiftsTheSelectedBan) {
  banning().Show();
  Ban("Joe Blow");
  Ban("MaryK");
  Ban("Zed");
  h_.DoubleClickItem(kBanning, "List1", 1);
  EXPECT_EQ(banning().List1.items(), (std::vector<std::string>{"Joe Blow", "Zed"}));
  EXPECT_EQ(h_.Caption(kBanning, "Frame1"), "Banned:  2");
}

TEST_F(BanningTest, DoubleClickOnAnEmptyListChangesNothing) {
  banning().Show();
  h_.desktop.UserDoubleClick(h_.Window(kBanning, "List1"));
  EXPECT_EQ(h_.Caption(kBanning, "Frame1"), "Banned:  0");
  EXPECT_EQ(banning().List1.count(), 0);
}

TEST_F(BanningTest, BansAreInForceOnlyOnceTheWindowWasClosed) {
  banning().Show();
  Ban("Joe Blow");
  EXPECT_FALSE(h_.program.variables().BanListUsed);
  EXPECT_FALSE(h_.Enabled("serverFrm"));
  h_.Close(kBanning);
  EXPECT_TRUE(h_.program.variables().BanListUsed);
  EXPECT_TRUE(h_.Enabled("serverFrm"));
  EXPECT_FALSE(h_.Visible(kBanning));
  struct Row {
    const char* sender;
    bool banned;
  };
  const Row rows[] = {
      {"Joe Blow", true},   {"joe blow", true},
      {"JOE BLOW", true},   {"JoeBlow", false},  // blanks count
      {"Joe Blow2", false}, {"MaryK", false},
  };
  for (const Row& row : rows) EXPECT_EQ(banning().IsBanned(row.sender), row.banned) << row.sender;
  // Open again: still in force, the list kept, the server window disabled meanwhile.
  banning().Show();
  EXPECT_TRUE(h_.program.variables().BanListUsed);
  EXPECT_EQ(banning().List1.items(), std::vector<std::string>{"Joe Blow"});
  EXPECT_FALSE(h_.Enabled("serverFrm"));
}

}  // namespace
}  // namespace list_designer
