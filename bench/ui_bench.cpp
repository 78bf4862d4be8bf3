// The control kit's hot paths: the program's hidden lists hold up to 32,767 entries and are read
// in every serving tick, so their reads answer from the wrapper's copy. These benchmarks show the
// cost of those reads beside reading the same list through its window's messages.

#include <benchmark/benchmark.h>

#include <string>

#include "shared/ui/form.h"
#include "shared/ui/list_box.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace {

constexpr int kEntries = 32767;

struct HiddenList {
  HiddenList() : desktop(clock), ws(desktop.CreateProcess("program")) {
    form.Load();
    for (int i = 0; i < kEntries; ++i) list.add("member " + std::to_string(i));
  }
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop;
  winsys::WindowSystem& ws;
  ui::Registry registry;
  ui::Form form{ws, registry, "serverFrm", "bench", {4725, 5070}};
  ui::ListBox list{form, "PeopleServed", {0, 0, 300, 300}, ui::Visibility::kHidden};
};

HiddenList& Fixture() {
  static HiddenList fixture;
  return fixture;
}

void BM_ContainsFromTheCopy(benchmark::State& state) {
  HiddenList& f = Fixture();
  for (auto _ : state) benchmark::DoNotOptimize(f.list.contains("member 32000"));
}
BENCHMARK(BM_ContainsFromTheCopy);

void BM_FindExactFromTheCopy(benchmark::State& state) {
  HiddenList& f = Fixture();
  for (auto _ : state) benchmark::DoNotOptimize(f.list.find_exact("member 32000"));
}
BENCHMARK(BM_FindExactFromTheCopy);

void BM_FindThroughMessages(benchmark::State& state) {
  HiddenList& f = Fixture();
  const std::string wanted = "member 32000";
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.ws.SendMessage(f.list.hwnd(), winsys::LB_FINDSTRINGEXACT,
                                              static_cast<winsys::WPARAM>(-1),
                                              reinterpret_cast<winsys::LPARAM>(wanted.c_str())));
  }
}
BENCHMARK(BM_FindThroughMessages);

void BM_CountAndLastItemFromTheCopy(benchmark::State& state) {
  HiddenList& f = Fixture();
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.list.count());
    benchmark::DoNotOptimize(f.list.items().back().size());
  }
}
BENCHMARK(BM_CountAndLastItemFromTheCopy);

void BM_FillAndClear(benchmark::State& state) {
  HiddenList& f = Fixture();
  for (auto _ : state) {
    f.list.clear();
    for (int i = 0; i < kEntries; ++i) f.list.add("member " + std::to_string(i));
  }
}
BENCHMARK(BM_FillAndClear)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
