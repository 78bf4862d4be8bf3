// How long the chat intake takes for what a busy room says in five seconds (1,000 request
// lines), and for the heaviest single line there can be: a range over a full mail list of
// 32,767 titles with a limit that never stops it. Both run against list boxes whose windows
// exist, so every entry also costs its messages to the window. Goals: well under 5 s for the
// transcript (the chat timer's period), under 50 ms for the line.

#include <benchmark/benchmark.h>

#include <string>

#include "serving_engine/chat_intake.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace {

using serving_engine::ChatIntake;
using serving_engine::IntakeSources;
using serving_engine::RequestQueue;

constexpr const char* kOwnName = "Ada Reed";
constexpr std::int64_t kFullMailList = 32767;

class Sources : public IntakeSources {
 public:
  Sources(winsys::WindowSystem& ws, std::int64_t item_limit) : ws_(ws), item_limit_(item_limit) {}
  std::string ServingHandle() const override { return "joebot"; }
  std::int64_t ItemRequestLimit() const override { return item_limit_; }
  std::int64_t FindRequestLimit() const override { return 5; }
  bool IsBanned(std::string_view) const override { return false; }
  std::int64_t MailCount() const override { return kFullMailList; }
  bool IsValidNumber(std::int64_t number) const override {
    return number >= 0 && number < kFullMailList;
  }
  void LetMessagesRun() override { ws_.DoEvents(); }

 private:
  winsys::WindowSystem& ws_;
  std::int64_t item_limit_;
};

// The server window's four queues, shown, on the simulated desktop.
class Queues {
 public:
  explicit Queues(std::int64_t item_limit)
      : desktop_(clock_),
        ws_(desktop_.CreateProcess("program")),
        form_(ws_, registry_, "serverFrm", "server", {4725, 5070}),
        frame1_(form_, "Frame1", "Item Requests:  0", {45, 495, 2205, 3825}),
        requests_(frame1_, "Requests", {105, 285, 1995, 3435}, "Item Requests:  "),
        frame2_(form_, "Frame2", "List Requests:  0", {2355, 495, 2205, 1800}),
        lists_(frame2_, "Lists", {105, 285, 1995, 1410}, "List Requests:  "),
        frame3_(form_, "Frame3", "Find Requests:  0", {2355, 2520, 2205, 1800}),
        finds_(frame3_, "Finds", {105, 285, 1995, 1410}, "Find Requests:  "),
        statuss_(form_, "Statuss"),
        sources_(ws_, item_limit),
        intake_({requests_, lists_, finds_, statuss_}, sources_) {
    form_.Show();
  }

  void Take(const std::string& transcript) { intake_.TakeTranscript(transcript, kOwnName); }
  void Clear() {
    for (RequestQueue* queue : {&requests_, &lists_, &finds_, &statuss_}) queue->Clear();
  }
  int Count() const { return requests_.Count() + lists_.Count() + finds_.Count(); }

 private:
  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& ws_;
  ui::Registry registry_;
  ui::Form form_;
  ui::Frame frame1_;
  RequestQueue requests_;
  ui::Frame frame2_;
  RequestQueue lists_;
  ui::Frame frame3_;
  RequestQueue finds_;
  RequestQueue statuss_;
  Sources sources_;
  ChatIntake intake_;
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
    transcript += sender + ":\t " + message + "\r";
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
  const std::string line = "Joe:\t /joebot send 0-" + std::to_string(kFullMailList - 1) + "\r";
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
