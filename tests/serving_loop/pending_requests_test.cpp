// The pending-requests file's text: which lines are servable, and the loader against texts made
// by a seeded generator from the pieces that trip line splitting and entry parsing.

#include "serving_loop/pending_requests.h"

#include <gmock/gmock.h>

#include <random>

#include "aol_automation/text_lines.h"
#include "fuzz/requests_file_fuzzing.h"

namespace serving_loop {
namespace {

using ::testing::ElementsAre;

struct LineCase {
  const char* line;
  bool servable;
};

TEST(PendingRequests, WhichLinesTheServingLoopCanServe) {
  const LineCase cases[] = {
      {"ann - 12", true},
      {"Joe Smith - 0", true},
      {"ann - 007", true},
      {"ann - 1 - 2", false},
      {"ann - ", false},
      {"ann -12", false},
      {"ann", false},
      {"", false},
      {" - 12", false},
      {"   - 12", false},
      {"a(b - 1", false},
      {"a,b - 1", false},
      {"ann - +1", false},
      {"ann - 12 ", false},
      {"ann - \x95", false},
      {"\x95 bob - 3", true},
      {" ann  - 4", true},
      {"sixteen letters! - 1", true},
      {"seventeen letters - 1", false},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(IsServableItemEntry(c.line), c.servable) << '"' << c.line << '"';
  }
}

TEST(PendingRequests, LinesEndAtEveryKindOfLineBreak) {
  EXPECT_THAT(ServableRequestLines("ann - 1\r\nbob - 2"), ElementsAre("ann - 1", "bob - 2"));
  EXPECT_THAT(ServableRequestLines("ann - 1\r\nbob - 2\r\n"), ElementsAre("ann - 1", "bob - 2"));
  // A file edited where lines end with line feeds alone.
  EXPECT_THAT(ServableRequestLines("ann - 1\nbob - 2\n"), ElementsAre("ann - 1", "bob - 2"));
  EXPECT_THAT(ServableRequestLines("ann - \n1\r\rbob - 2"), ElementsAre("bob - 2"));
  EXPECT_THAT(ServableRequestLines(""), ElementsAre());
}

TEST(PendingRequests, SavedEntriesReadBackAsTheyWere) {
  const std::vector<std::string> entries = {"ann - 12", "bob - 7", "ann - 12", "Joe Smith - 0"};
  EXPECT_EQ(JoinPendingRequests(entries), "ann - 12\r\nbob - 7\r\nann - 12\r\nJoe Smith - 0");
  EXPECT_EQ(ServableRequestLines(JoinPendingRequests(entries) + "\r\n"), entries);
  EXPECT_EQ(JoinPendingRequests({}), "");
}

// Files of generated lines: most are entries from a small pool (so that lines repeat, and repeat
// what is queued already), the rest random runs of the pieces that trip line cutting and entry
// parsing, joined by every kind of line break. Every line the loader keeps is servable and is the
// line the program's own LineCount and GetLine read at that place, in order, none it skips was
// servable, and loaded into a queue they pass the fuzz target's checks.
class RequestsFileGenerator {
 public:
  explicit RequestsFileGenerator(unsigned seed) : random_(seed) {}

  std::string Text() {
    std::string text;
    for (int lines = Below(12); lines > 0; --lines) {
      text += Below(10) < 6 ? Entry() : Mess();
      text += Pick(kBreaks);
    }
    return text;
  }
  char Byte() { return static_cast<char>(Below(256)); }

 private:
  static constexpr const char* kNames[] = {"ann", "bob", "Joe Smith", "x),(y", " "};
  static constexpr const char* kNumbers[] = {"12", "7", "0", "012", "1x", ""};
  static constexpr const char* kBreaks[] = {"\r\n", "\r\n", "\r", "\n", ""};
  static constexpr const char* kPieces[] = {"ann",  " - ",  " -", "-", "12", "99999999999999999999",
                                            " ",    "\r",   "\n", "(", ")",  ",",
                                            "\x95", "\xff", "x",  "\t"};

  std::string Entry() { return std::string(Pick(kNames)) + " - " + Pick(kNumbers); }
  std::string Mess() {
    std::string mess;
    for (int n = Below(8); n > 0; --n) mess += Pick(kPieces);
    if (Below(8) == 0) mess.push_back('\0');
    return mess;
  }
  template <std::size_t N>
  const char* Pick(const char* const (&options)[N]) {
    return options[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::mt19937 random_;
};

TEST(PendingRequests, GeneratedFilesLoadExactlyTheServableLines) {
  RequestsFileGenerator generator(20000615);
  for (int round = 0; round < 1500; ++round) {
    const std::string text = generator.Text();
    const std::string cut = fuzzing::OneCarriageReturnPerBreak(text);
    std::vector<std::string> expected;
    for (int line = 1; line <= vornik32::LineCount(cut); ++line) {
      std::string got = vornik32::GetLine(cut, line);
      if (IsServableItemEntry(got)) expected.push_back(std::move(got));
    }
    const std::vector<std::string> loaded = ServableRequestLines(text);
    ASSERT_EQ(loaded, expected) << "round " << round;
    ASSERT_EQ(ServableRequestLines(JoinPendingRequests(loaded)), loaded) << "round " << round;

    // The fuzz target's checks of a load into a queue that already holds some entries (a
    // desktop each, so a third of the rounds).
    if (round % 3 != 0) continue;
    const std::vector<std::string> faults = fuzzing::LoaderFaults(generator.Byte() + text);
    ASSERT_TRUE(faults.empty()) << "round " << round << ": " << faults.front();
  }
}

}  // namespace
}  // namespace serving_loop
