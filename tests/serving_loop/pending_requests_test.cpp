// The pending-requests file's text: which lines are servable, and the loader against texts made
// by a seeded generator from the pieces that trip line splitting and entry parsing.

#include "serving_loop/pending_requests.h"

#include <gmock/gmock.h>

#include <random>

#include "aol_automation/text_lines.h"

namespace serving_loop {
namespace {

using ::testing::ElementsAre;

struct LineCase {
  const char* line;
  bool servable;
};

TEST(PendingRequests, WhichLinesTheServingLoopCanServe) {
  const LineCase cases[] = {
      {"ann - 12", true},  {"Joe Smith - 0", true}, {"ann - 007", true},   {"ann - 1 - 2", false},
      {"ann - ", false},   {"ann -12", false},      {"ann", false},        {"", false},
      {" - 12", false},    {"   - 12", false},      {"a(b - 1", false},    {"a,b - 1", false},
      {"ann - +1", false}, {"ann - 12 ", false},    {"ann - \x95", false}, {"\x95 bob - 3", true},
      {" ann  - 4", true},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(IsServableItemEntry(c.line), c.servable) << '"' << c.line << '"';
  }
}

TEST(PendingRequests, LinesAreCutLikeTheProgramsTextFunctionsCutThem) {
  EXPECT_THAT(ServableRequestLines("ann - 1\r\nbob - 2"), ElementsAre("ann - 1", "bob - 2"));
  EXPECT_THAT(ServableRequestLines("ann - 1\r\nbob - 2\r\n"), ElementsAre("ann - 1", "bob - 2"));
  // Line feeds are dropped, not line breaks: a file of bare line feeds is one long line.
  EXPECT_THAT(ServableRequestLines("ann - 1\nbob - 2"), ElementsAre());
  EXPECT_THAT(ServableRequestLines("ann - \n1\r\n"), ElementsAre("ann - 1"));
  EXPECT_THAT(ServableRequestLines(""), ElementsAre());
}

TEST(PendingRequests, SavedEntriesReadBackAsTheyWere) {
  const std::vector<std::string> entries = {"ann - 12", "bob - 7", "ann - 12", "Joe Smith - 0"};
  EXPECT_EQ(JoinPendingRequests(entries), "ann - 12\r\nbob - 7\r\nann - 12\r\nJoe Smith - 0");
  EXPECT_EQ(ServableRequestLines(JoinPendingRequests(entries) + "\r\n"), entries);
  EXPECT_EQ(JoinPendingRequests({}), "");
}

// Texts of random pieces: every line the loader keeps is servable and is the line the program's
// own LineCount and GetLine read at that place, in order, and none it skips was servable.
TEST(PendingRequests, GeneratedTextsLoadExactlyTheServableLines) {
  const std::vector<std::string> pieces = {
      "ann", "Joe Smith", " - ",  " -", "- ", "-", "12",   "007",  "99999999999999999999", " ",
      "\r",  "\n",        "\r\n", "(",  ")",  ",", "\x95", "\xff", std::string(1, '\0'),   "x",
      "\t"};
  std::mt19937 random(20000615);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += pieces[piece(random)];

    std::vector<std::string> expected;
    for (int line = 1; line <= vornik32::LineCount(text); ++line) {
      std::string got = vornik32::GetLine(text, line);
      if (IsServableItemEntry(got)) expected.push_back(std::move(got));
    }
    const std::vector<std::string> loaded = ServableRequestLines(text);
    ASSERT_EQ(loaded, expected) << "round " << round;
    ASSERT_EQ(ServableRequestLines(JoinPendingRequests(loaded)), loaded) << "round " << round;
  }
}

}  // namespace
}  // namespace serving_loop
