// A busy hour of serving on the virtual clock: the whole program against the stand-in client,
// with a room whose members keep asking for items (more than can be served), lists, finds and
// their status. One iteration plays the hour. The counters say how many mails went out and how
// many a minute, beside the most a minute that the serving tick's own waits allow (half a second
// after each forward, half a second after its confirmation, and the pending-count line's second
// every seventh batch), so that the cost of the client's windows and the automation's pauses
// shows as the gap between the two.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "aolsim/client.h"
#include "app/program.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/serving_lists.h"
#include "serving_engine/server_form.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace {

constexpr double kHourSeconds = 3600;
constexpr int kTitles = 2000;
const std::vector<std::string> kMembers = {"ann", "bob", "cid", "dee", "eve", "fay", "gus", "hal"};

// The most item forwards a minute the tick's own waits allow.
double LeastWaitsMailsPerMinute() {
  constexpr double kWaitsPerBatch = 0.5 + 0.5 + 1.0 / 7;
  return 60 / kWaitsPerBatch;
}

enum class Room { kItemsOnly, kMixed };

class BusyRoom {
 public:
  BusyRoom()
      : desktop_(clock_),
        client_ws_(desktop_.CreateProcess("client")),
        program_ws_(desktop_.CreateProcess("program")),
        client_(client_ws_, aolsim::Layout::kVersion5),
        program_(program_ws_, registry_) {
    desktop_.SetWatchdog(2 * kHourSeconds);
    desktop_.AddIdleHook([this] { AnswerBoxes(); });
    client_.Start();
    client_.SignOn("ServerBot");
    client_.OpenRoom("Lobby", kMembers);
    const int lists = list_designer::ListCountFor(kTitles);
    std::vector<std::string> mailbox;
    for (int list = 1; list <= lists; ++list) mailbox.push_back(list_designer::ListSubject(list));
    for (int i = 0; i < kTitles; ++i) mailbox.push_back("Picture " + std::to_string(i));
    client_.AddFlashMails(mailbox);
    program_.Start();
    list_designer::ListDesignerForm& designer = program_.listdesignerFrm();
    for (int i = 0; i < kTitles; ++i) designer.MailList.add("Picture " + std::to_string(i));
    for (int list = 1; list <= lists; ++list) {
      designer.ServingLists.add(list_designer::ServingListEntry(list, list - 1));
    }
    program_.variables().ItemOffset = lists;
  }

  // Start pressed, then an hour of a room that asks all the time: every five seconds two
  // item requests, and in the mixed room also a list request a minute, a find every half minute
  // and a status request every 45 seconds.
  void PlayTheHour(Room room) {
    room_ = room;
    desktop_.UserClick(program_.serverFrm().Command1.hwnd());
    start_ = clock_.Now();
    ScheduleNext(5);
    winsys::WaitAtLeastSeconds(program_ws_, kHourSeconds);
  }

  int ItemMails() { return program_.serverFrm().MailsServed(); }
  int AllMails() const { return static_cast<int>(client_.Deliveries().size()); }
  int Requests() const { return requests_; }
  int Pending() { return program_.serverFrm().Requests.Count(); }

 private:
  // One event at a time: the desktop's schedule is meant for a few events, not an hour's worth.
  void ScheduleNext(int second) {
    if (second >= kHourSeconds) return;
    desktop_.ScheduleAt(start_ + second, [this, second] {
      AskForTwoItems();
      if (room_ == Room::kMixed) AskForTheRest(second);
      ScheduleNext(second + 5);
    });
  }
  void AskForTwoItems() {
    for (int i = 0; i < 2; ++i) Ask(Member(), "send " + std::to_string(item_(random_)));
  }
  void AskForTheRest(int second) {
    if (second % 60 == 0) Ask(Member(), "send list");
    if (second % 30 == 0) Ask(Member(), "find picture 1" + std::to_string(second % 7));
    if (second % 45 == 0) Ask(Member(), "status");
  }
  const std::string& Member() { return kMembers[member_(random_)]; }
  void Ask(const std::string& member, const std::string& request) {
    client_.Say(member, "/serverbot " + request);
    ++requests_;
  }
  void AnswerBoxes() {
    const auto top = desktop_.TopModal();
    if (!top || top->kind != winsys::sim::ModalKind::kMessageBox) return;
    desktop_.UserClick(program_ws_.FindWindowEx(top->window, winsys::kNoWindow, "Button", nullptr));
  }

  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& client_ws_;
  winsys::WindowSystem& program_ws_;
  aolsim::Client client_;
  ui::Registry registry_;
  app::Program program_;
  int requests_ = 0;
  Room room_ = Room::kItemsOnly;
  double start_ = 0;
  std::mt19937 random_{7};
  std::uniform_int_distribution<std::size_t> member_{0, kMembers.size() - 1};
  std::uniform_int_distribution<int> item_{0, kTitles - 1};
};

void PlayOneHour(benchmark::State& state, Room kind) {
  int item_mails = 0;
  int all_mails = 0;
  int requests = 0;
  int pending = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto room = std::make_unique<BusyRoom>();
    state.ResumeTiming();
    room->PlayTheHour(kind);
    state.PauseTiming();
    item_mails = room->ItemMails();
    all_mails = room->AllMails();
    requests = room->Requests();
    pending = room->Pending();
    room.reset();
    state.ResumeTiming();
  }
  state.counters["requests"] = requests;
  state.counters["item_requests_pending_at_end"] = pending;
  state.counters["item_mails_per_minute"] = item_mails / (kHourSeconds / 60);
  state.counters["all_mails_per_minute"] = all_mails / (kHourSeconds / 60);
  state.counters["least_waits_item_mails_per_minute"] = LeastWaitsMailsPerMinute();
}

void BM_BusyHourOfItemRequests(benchmark::State& state) {
  PlayOneHour(state, Room::kItemsOnly);
}
BENCHMARK(BM_BusyHourOfItemRequests)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BusyHourOfEveryKindOfRequest(benchmark::State& state) {
  PlayOneHour(state, Room::kMixed);
}
BENCHMARK(BM_BusyHourOfEveryKindOfRequest)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
