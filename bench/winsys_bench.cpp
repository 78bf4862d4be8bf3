// The cost of the simulated desktop's loop and window search, and proof that a real-clock wait
// sleeps instead of spinning: after the benchmarks, a WaitSeconds(10) on the real clock is timed
// in process CPU time and its share of one core printed.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "shared/winsys/sim/real_clock.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace {

using winsys::CreateParams;
using winsys::HWND;
using winsys::kNoWindow;

HWND MakeWindow(winsys::WindowSystem& ws, HWND parent, const std::string& caption) {
  CreateParams params;
  params.class_name = "Static";
  params.caption = caption;
  params.style = parent == kNoWindow ? 0 : winsys::WS_CHILD | winsys::WS_VISIBLE;
  params.parent = parent;
  return ws.CreateWindow(params);
}

void BM_DoEventsIdle(benchmark::State& state) {
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop(clock);
  winsys::WindowSystem& ws = desktop.CreateProcess("program");
  desktop.ClearWatchdog();
  for (auto _ : state) ws.DoEvents();
}
BENCHMARK(BM_DoEventsIdle);

void BM_DoEventsWithOnePostedMessageAndTimers(benchmark::State& state) {
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop(clock);
  winsys::WindowSystem& ws = desktop.CreateProcess("program");
  desktop.ClearWatchdog();
  const HWND window = MakeWindow(ws, kNoWindow, "server");
  for (int id = 1; id <= 5; ++id) ws.SetTimer(window, id, 100);
  for (auto _ : state) {
    ws.PostMessage(window, winsys::WM_USER, 0, 0);
    ws.DoEvents();
  }
}
BENCHMARK(BM_DoEventsWithOnePostedMessageAndTimers);

// The automation's way of finding the n-th child of a class: one FindWindowEx per step.
void BM_FindWindowExWalkOf100Children(benchmark::State& state) {
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop(clock);
  winsys::WindowSystem& ws = desktop.CreateProcess("program");
  const HWND parent = MakeWindow(ws, kNoWindow, "parent");
  for (int i = 0; i < 100; ++i) MakeWindow(ws, parent, "child " + std::to_string(i));
  for (auto _ : state) {
    int count = 0;
    for (HWND child = ws.FindWindowEx(parent, kNoWindow, "static", nullptr); child != kNoWindow;
         child = ws.FindWindowEx(parent, child, "static", nullptr)) {
      ++count;
    }
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_FindWindowExWalkOf100Children);

void BM_RealClockIdleWaitOfOneMillisecond(benchmark::State& state) {
  winsys::sim::RealClock clock;
  winsys::sim::SimDesktop desktop(clock, winsys::sim::TimeKind::kRealtime);
  winsys::WindowSystem& ws = desktop.CreateProcess("program");
  for (auto _ : state) winsys::WaitAtLeastSeconds(ws, 0.001);
}
BENCHMARK(BM_RealClockIdleWaitOfOneMillisecond)->UseRealTime();

void ReportRealWaitCpuShare() {
  winsys::sim::RealClock clock;
  winsys::sim::SimDesktop desktop(clock, winsys::sim::TimeKind::kRealtime);
  winsys::WindowSystem& ws = desktop.CreateProcess("program");
  const double wall_start = clock.Now();
  const std::clock_t cpu_start = std::clock();
  winsys::WaitSeconds(ws, 10);
  const double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  const double wall = clock.Now() - wall_start;
  std::printf(
      "WaitSeconds(10) on the real clock: %.2f s of wall time, %.4f s of CPU (%.3f%% of a core)\n",
      wall, cpu, wall > 0 ? 100.0 * cpu / wall : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ReportRealWaitCpuShare();
  return 0;
}
