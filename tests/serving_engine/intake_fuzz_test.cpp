// The fuzz target's checks on transcripts made by a seeded generator, so that the suite always
// runs them: lines that are mostly near-requests (commands with numbers, ranges, commas, blanks,
// fractions, huge numbers, stray bytes) from senders that include the user, a banned name and
// names no requester can have, joined by every kind of line break.

#include <gtest/gtest.h>

#include <random>

#include "fuzz/intake_fuzzing.h"

namespace serving_engine::testing {
namespace {

class TranscriptGenerator {
 public:
  explicit TranscriptGenerator(unsigned seed) : random_(seed) {}

  std::string Data() {
    // The scene: mostly limits that admit something, now and then any byte at all.
    std::string data;
    data.push_back(Byte());
    data.push_back(Below(4) == 0 ? Byte() : static_cast<char>(1 + Below(100)));
    data.push_back(Below(4) == 0 ? Byte() : static_cast<char>(1 + Below(7)));
    data.push_back(Byte());
    const int lines = Below(12);
    for (int i = 0; i < lines; ++i) data += Line();
    return data;
  }

 private:
  std::string Line() {
    static const char* const kSenders[] = {"Joe", "Mia",     "joe",  "Ada Reed", "Jo - e",
                                           "",    "Kim Lee", " Joe", " -",       "Jo -"};
    static const char* const kBreaks[] = {"\r", "\r\n", "\n", "", "\r\r"};
    std::string line = Pick(kSenders);
    if (Below(10) != 0) line += ":\t ";
    line += Message();
    line += Pick(kBreaks);
    return line;
  }

  std::string Message() {
    static const char* const kStarts[] = {
        "/joebot send ",  "/joebot find ", "/JoeBot status", "/joebot send list",
        " /joebot send ", "/joebot ",      "hello ",         "/joebot send list please"};
    std::string message = Pick(kStarts);
    const int pieces = Below(8);
    for (int i = 0; i < pieces; ++i) message += Piece();
    return message;
  }

  std::string Piece() {
    switch (Below(10)) {
      case 0:
        return std::to_string(Below(60));
      case 1:
        return std::string(static_cast<std::size_t>(1 + Below(3)), '0') + std::to_string(Below(20));
      case 2:
        return std::to_string(Below(40)) + "-" + std::to_string(Below(40));
      case 3:
        return ", ";
      case 4:
        return ",";
      case 5:
        return " ";
      case 6:
        return Below(2) == 0 ? "4.5" : std::string(40, '9');
      case 7:
        return Below(2) == 0 ? "Red Car" : "status";
      case 8:
        return " - ";
      default:
        return std::string(1, Byte());
    }
  }

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  char Byte() { return static_cast<char>(Below(256)); }
  template <std::size_t N>
  const char* Pick(const char* const (&choices)[N]) {
    return choices[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

  std::mt19937 random_;
};

TEST(IntakeFuzzTest, GeneratedTranscriptsKeepTheQueuesWellFormed) {
  constexpr int kRuns = 1500;
  int queued = 0;
  for (unsigned seed = 1; seed <= kRuns; ++seed) {
    TranscriptGenerator generator(seed);
    const std::string data = generator.Data();
    fuzzing::IntakeRun run(fuzzing::SceneOf(data));
    const std::vector<std::string> faults = run.TakeAndCheck(data.substr(fuzzing::kSceneBytes));
    ASSERT_TRUE(faults.empty()) << "seed " << seed << ": " << faults.front();
    queued += run.EntryCount();
  }
  // The generator makes requests, not only noise.
  EXPECT_GT(queued, kRuns / 2);
}

TEST(IntakeFuzzTest, RandomBytesKeepTheQueuesWellFormed) {
  std::mt19937 random(20000615);
  for (int run = 0; run < 500; ++run) {
    std::string data(static_cast<std::size_t>(random() % 300), '\0');
    for (char& c : data) c = static_cast<char>(random() % 256);
    const std::vector<std::string> faults = fuzzing::IntakeFaults(data);
    ASSERT_TRUE(faults.empty()) << "run " << run << ": " << faults.front();
  }
}

}  // namespace
}  // namespace serving_engine::testing
