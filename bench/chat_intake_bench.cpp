// How long the chat intake takes for what a busy room says in five seconds (1,000 request
// lines), and for the heaviest single line there can be: a range over a full mail list of
// 32,767 titles with a limit that never stops it. Both run against list boxes whose windows
// exist, so every entry also costs its messages to the window. Goals: well under 5 s for the
// transcript (the chat timer's period), under 50 ms for the line.

#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/intake_harness.h"

namespace {

using serving_engine::testing::FakeSources;
using serving_engine::testing::IntakeHarness;
using serving_engine::testing::kOwnName;

constexpr std::int64_t kFullMailList = 32767;

// The server window's four queues, shown, over a full mail list.
class Queues {
 public:
  explicit Queues(std::int64_t item_limit) {
    FakeSources& sources = harness_.sources;
    sources.mail_count = kFullMailList;
    sources.item_limit = item_limit;
    harness_.form.Show();
  }

  void Take(const std::string& transcript) { harness_.intake.TakeTranscript(transcript, kOwnName); }
  void Clear() {
    for (auto* queue : {&harness_.Requests, &harness_.Lists, &harness_.Finds, &harness_.Statuss}) {
      queue->Clear();
    }
  }
  int Count() const {
    return harness_.Requests.Count() + harness_.Lists.Count() + harness_.Finds.Count();
  }

 private:
  IntakeHarness harness_;
};

// 1,000 lines from 60 members: single items, comma lists with ranges, finds, list and status
// requests, and chatter, as the chat view writes them.
std::string BusyRoomTranscript() {
  std::string transcript;
  for (int i = 0; i < 1000; ++i) {
    const std::string sender = "Member" + std::to_string(i % 60);
    std::string message;
    switch (i % 8) {
      case 0:
        message = "/joebot send " + std::to_string((i * 37) % kFullMailList);
        break;
      case 1:
        message = "/joebot send 1, " + std::to_string(i) + "-" + std::to_string(i + 4) + ", 007";
        break;
      case 2:
        message = "/joebot find red car, blue bike, " + std::to_string(i);
        break;
      case 3:
        message = "/joebot send list";
        break;
      case 4:
        message = "/joebot status";
        break;
      case 5:
        message = "/JOEBOT SEND " + std::to_string(i) + ", " + std::to_string(i + 100);
        break;
      default:
        message = "anyone have the one about the lighthouse? lol";
        break;
    }
    transcript += IntakeHarness::Line(sender, message) + "\r";
  }
  return transcript;
}

void BM_FiveSecondsOfABusyRoom(benchmark::State& state) {
  Queues queues(100);
  const std::string transcript = BusyRoomTranscript();
  for (auto _ : state) {
    queues.Take(transcript);
    state.PauseTiming();
    state.counters["entries"] = queues.Count();
    queues.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FiveSecondsOfABusyRoom)->Unit(benchmark::kMillisecond);

void BM_RangeOverTheWholeMailList(benchmark::State& state) {
  Queues queues(100000);
  const std::string line =
      IntakeHarness::Line("Joe", "/joebot send 0-" + std::to_string(kFullMailList - 1)) + "\r";
  for (auto _ : state) {
    queues.Take(line);
    state.PauseTiming();
    state.counters["entries"] = queues.Count();
    queues.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RangeOverTheWholeMailList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
