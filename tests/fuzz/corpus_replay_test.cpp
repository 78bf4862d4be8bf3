// Every input a fuzzing run found faulty is kept in fuzz/corpus/TARGET/ and replayed here through
// the target's own checks, so a fault once found stays mended in every build, also where no
// fuzzer can be built.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/intake_fuzzing.h"
#include "fuzz/requests_file_fuzzing.h"

namespace fuzzing_replay {
namespace {

namespace fs = std::filesystem;

using Check = std::vector<std::string> (*)(std::string_view);

struct Target {
  const char* name;
  Check check;
};

const Target kTargets[] = {
    {"chat_intake_fuzz", &serving_engine::fuzzing::IntakeFaults},
    {"requests_file_fuzz", &serving_loop::fuzzing::LoaderFaults},
};

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CorpusReplayTest : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplayTest, EveryKeptInputPassesTheTargetsChecks) {
  const fs::path folder = fs::path(TOLLMERE_FUZZ_CORPUS) / GetParam().name;
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  int replayed = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::vector<std::string> faults = GetParam().check(Bytes(entry.path()));
    EXPECT_TRUE(faults.empty()) << entry.path().filename() << ": " << faults.front();
    ++replayed;
  }
  EXPECT_GT(replayed, 0) << "an empty corpus replays nothing";
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplayTest, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fuzzing_replay
