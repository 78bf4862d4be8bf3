// A day of serving a busy room, on the virtual clock: the whole set-up of the soak, with the
// client calm and with its chaos on. The counters say how many mails a minute went out each way,
// and whether both serving checks held. At the soak's four lines a minute the room, not the
// client, sets the pace; a room asking five times as often keeps the program serving without a
// break, so that the cost of a misbehaving client shows as the gap between the two.
//
// The chaotic days also read the process's CPU time at the end of every simulated hour: the
// counters hour_1 ... hour_24 are each hour's milliseconds, and last_over_first the twenty-fourth
// over the first, which stays near 1 when nothing piles up through the day. Seed 4242's client
// leaves the most windows of a person's open by the evening.

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "scenario/soak.h"

namespace {

double CpuMilliseconds() {
  return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

enum class Readings { kWholeDay, kHourByHour };

void Soak(benchmark::State& state, scenario::ClientMood mood, double requests_per_minute,
          std::uint32_t seed, Readings readings) {
  scenario::SoakOptions options;
  options.hours = 24;
  options.requests_per_minute = requests_per_minute;
  options.seed = seed;
  options.mood = mood;
  std::vector<double> hour_ends;
  if (readings == Readings::kHourByHour) {
    options.hour_ended = [&hour_ends](int) { hour_ends.push_back(CpuMilliseconds()); };
  }
  scenario::SoakResult result;
  double began = 0;
  for (auto _ : state) {
    hour_ends.clear();
    began = CpuMilliseconds();
    result = scenario::RunSoak(options);
  }
  state.counters["mails_per_minute"] = result.mails_per_minute;
  state.counters["admitted"] = result.figures.admitted;
  state.counters["delivered"] = result.figures.delivered;
  state.counters["retried"] = result.figures.retried;
  state.counters["given_up"] = result.figures.given_up;
  state.counters["still_queued"] = result.figures.still_queued;
  state.counters["checks_hold"] = result.holds() ? 1 : 0;
  double before = began;
  for (std::size_t hour = 0; hour < hour_ends.size(); ++hour) {
    state.counters["hour_" + std::to_string(hour + 1)] = hour_ends[hour] - before;
    before = hour_ends[hour];
  }
  if (hour_ends.size() == 24) {
    state.counters["last_over_first"] =
        (hour_ends[23] - hour_ends[22]) / std::max(hour_ends[0] - began, 1e-9);
  }
}

void CalmDay(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kCalm, 4, 1, Readings::kWholeDay);
}
void ChaoticDay(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kChaos, 4, 1, Readings::kHourByHour);
}
void ChaoticDaySeed4242(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kChaos, 4, 4242, Readings::kHourByHour);
}

void CalmDayInAFullRoom(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kCalm, 20, 1, Readings::kWholeDay);
}
void ChaoticDayInAFullRoom(benchmark::State& state) {
  Soak(state, scenario::ClientMood::kChaos, 20, 1, Readings::kWholeDay);
}

BENCHMARK(CalmDay)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ChaoticDay)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ChaoticDaySeed4242)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(CalmDayInAFullRoom)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ChaoticDayInAFullRoom)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
