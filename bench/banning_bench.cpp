// The Banning window brought to the front, which offers the room's members afresh: each name is
// read from the client's memory and added to the combo box unless it is there already in some
// letter case. Rooms of 10, 1,000 and 10,000 members, every tenth one a second time in another
// letter case; the fill should grow with the room, not with its square.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "list_designer/banning_form.h"
#include "tests/support/system_harness.h"

namespace {

std::vector<std::string> Room(int members) {
  std::vector<std::string> names;
  for (int i = 0; i < members; ++i) {
    names.push_back("Member " + std::to_string(i));
    if (i % 10 == 0) names.push_back("MEMBER " + std::to_string(i));
  }
  return names;
}

void BM_BanningOffersTheRoom(benchmark::State& state) {
  tollmere_testing::SystemHarness harness(aolsim::Layout::kVersion5);
  harness.client.Start();
  harness.client.SignOn("Ada Reed");
  harness.program.Start();
  harness.client.OpenRoom("Lobby", Room(static_cast<int>(state.range(0))));
  list_designer::BanningForm& banning = harness.program.banningFrm();
  for (auto _ : state) {
    banning.Show();
    state.PauseTiming();
    state.counters["offered"] = banning.Combo1.count();
    banning.form.Hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BanningOffersTheRoom)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
