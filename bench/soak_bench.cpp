// A day of serving a busy room, on the virtual clock: the whole set-up of the soak, with the
// client calm and with its chaos on. The counters say how many mails a minute went out each way,
// and whether both serving checks held. At the soak's four lines a minute the room, not the
// client, sets the pace; a room asking five times as often keeps the program serving without a
// break, so that the cost of a misbehaving client shows as the gap between the two.

#include <benchmark/benchmark.h>

#include "scenario/soak.h"

namespace {

void Soak(benchmark::State& state, scenario::ClientMood mood, double requests_per_minute = 4) {
  scenario::SoakOptions options;
  options.hours = 24;
  options.requests_per_minute = requests_per_minute;
  options.seed = 1;
  options.mood = mood;
  scenario::SoakResult result;
  for (auto _ : state) {
    result = scenario::RunSoak(options);
  }
  state.counters["mails_per_minute"] = result.mails_per_minute;
  state.counters["admitted"] = result.figures.admitted;
  state.counters["delivered"] = result.figures.delivered;
  state.counters["retried"] = result.figures.retried;
  state.counters["given_up"] = result.figures.given_up;
  state.counters["still_queued"] = result.figures.still_queued;
  state.counters["checks_hold"] = result.holds() ? 1 : 0;
}

void CalmDay(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kCalm);
}
void ChaoticDay(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kChaos);
}

void CalmDayInAFullRoom(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kCalm, 20);
}
void ChaoticDayInAFullRoom(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kChaos, 20);
}

BENCHMARK(CalmDay)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ChaoticDay)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(CalmDayInAFullRoom)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ChaoticDayInAFullRoom)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
