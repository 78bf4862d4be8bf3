// The item queue drained as the serving loop takes it, batch by batch: the head, then the later
// requests for the same item (up to five). The queue is shown, so every removal also costs its
// message to the list box window and the frame's caption. The requests come from 60 members for
// 2,000 titles, so a deep queue holds several requests for most items. The program's own work
// only: no client, no waits. A cost that grows with the entries touched costs about the same per
// entry at every depth.

#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/intake_harness.h"

namespace {

using serving_engine::testing::IntakeHarness;

constexpr int kTitles = 2000;
constexpr int kLaterRequestsPerItem = 5;

void Fill(serving_engine::RequestQueue& queue, int entries) {
  for (int i = 0; i < entries; ++i) {
    queue.Append("Member" + std::to_string(i % 60) + " - " +
                 std::to_string((static_cast<long long>(i) * 7919) % kTitles));
  }
}

void BM_DrainTheItemQueue(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  IntakeHarness harness;
  harness.form.Show();
  serving_engine::RequestQueue& queue = harness.Requests;
  int batches = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Fill(queue, entries);
    batches = 0;
    state.ResumeTiming();
    while (queue.Count() > 0) {
      const std::string head = queue.Entry(0);
      queue.RemoveAt(0);
      const auto item = serving_engine::ItemOf(head);
      if (item) benchmark::DoNotOptimize(queue.TakeForItem(*item, kLaterRequestsPerItem));
      ++batches;
    }
  }
  state.counters["entries"] = entries;
  state.counters["batches"] = batches;
}
BENCHMARK(BM_DrainTheItemQueue)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
