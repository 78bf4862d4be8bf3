// The costs the automation's waiting loops depend on: a shape search that finds nothing (100
// yields and probes, repeated every tenth of a second while the program waits for a window), and
// reading then emptying a chat transcript of 1,000 lines (every five seconds while serving).

#include <benchmark/benchmark.h>

#include <string>

#include "aol_automation/chat_room.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/shape_finder.h"
#include "aolsim/client.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace {

struct ClientDesktop {
  explicit ClientDesktop(aolsim::Layout layout = aolsim::Layout::kVersion5)
      : desktop(clock),
        client_process(desktop.CreateProcess("client")),
        program(desktop.CreateProcess("program")),
        client(client_process, layout) {
    client.Start();
    client.SignOn("Ada Reed");
  }

  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop;
  winsys::WindowSystem& client_process;
  winsys::WindowSystem& program;
  aolsim::Client client;
};

// No chat room among the content windows: the walk probes the Welcome window and state.range(0)
// windows one picture button short of a room, round and round, 101 probes in all.
void BM_FailedShapeSearch(benchmark::State& state) {
  ClientDesktop world;
  const winsys::HWND mdi = vornik32::MdiArea(world.program);
  for (int i = 0; i < state.range(0); ++i) {
    winsys::CreateParams window;
    window.class_name = "AOL Child";
    window.caption = "Almost a room";
    window.style = winsys::WS_CHILD | winsys::WS_VISIBLE;
    window.parent = mdi;
    const winsys::HWND almost = world.client_process.CreateWindow(window);
    for (const auto& [class_name, count] :
         {std::pair{"_AOL_Static", 5}, std::pair{"RICHCNTL", 2}, std::pair{"_AOL_Icon", 13}}) {
      for (int k = 0; k < count; ++k) {
        winsys::CreateParams control;
        control.class_name = class_name;
        control.style = winsys::WS_CHILD | winsys::WS_VISIBLE;
        control.parent = almost;
        world.client_process.CreateWindow(control);
      }
    }
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(vornik32::FindChatRoom(world.program));
  }
}
BENCHMARK(BM_FailedShapeSearch)->Arg(0)->Arg(1)->Arg(5);

void BM_ChatTextAndClearOfAThousandLines(benchmark::State& state) {
  ClientDesktop world;
  world.client.OpenRoom("Lobby", {"Bo"});
  std::string transcript;
  for (int line = 0; line < 1000; ++line) {
    transcript +=
        "Member" + std::to_string(line % 40) + ":\t /ada send " + std::to_string(line) + "\r";
  }
  const winsys::HWND transcript_window = vornik32::FirstChild(
      world.client_process, vornik32::FindChatRoom(world.program), vornik32::kRichTextClass);
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    world.client_process.SendMessage(transcript_window, winsys::WM_SETTEXT, 0,
                                     reinterpret_cast<winsys::LPARAM>(transcript.c_str()));
    state.ResumeTiming();
    const std::string read = vornik32::ChatText(world.program);
    vornik32::ClearChatText(world.program);
    bytes += read.size();
    benchmark::DoNotOptimize(read.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ChatTextAndClearOfAThousandLines);

}  // namespace

BENCHMARK_MAIN();
