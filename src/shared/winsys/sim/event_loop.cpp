#include "shared/winsys/sim/event_loop.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace winsys::sim {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// How long a real-clock wait with nothing scheduled sleeps before it looks again.
constexpr double kRealIdleSleep = 0.050;
// A loop kept busy forever (a window that reposts to itself) never lets virtual time pass, so
// the watchdog's deadline would never come: this many DoEvents in a row at one moment count as
// the wait that never ends.
constexpr std::uint64_t kMostDoEventsAtOneMoment = 100'000;

}  // namespace

EventLoop::EventLoop(Clock& clock, VirtualClock* moved, TimeKind time, Deliver deliver)
    : clock_(clock), moved_(moved), time_(time), deliver_(std::move(deliver)) {}

void EventLoop::Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  NoteActivity();
  queue_.Post(window, message, wparam, lparam);
}

void EventLoop::SetTimer(HWND window, std::uintptr_t id, UINT milliseconds) {
  NoteActivity();
  timers_.Set(window, id, milliseconds, clock_.Now());
}

bool EventLoop::KillTimer(HWND window, std::uintptr_t id) {
  return timers_.Kill(window, id);
}

void EventLoop::KillTimersOf(HWND window) {
  timers_.KillAllOf(window);
}

int EventLoop::ScheduleAt(double when, std::function<void()> action) {
  NoteActivity();
  const int id = ++next_scheduled_id_;
  scheduled_[id] = Scheduled{when, std::make_shared<std::function<void()>>(std::move(action))};
  earliest_scheduled_ = std::min(earliest_scheduled_, when);
  return id;
}

void EventLoop::CancelScheduled(int id) {
  scheduled_.erase(id);
}

int EventLoop::AddIdleHook(std::function<void()> hook) {
  const int id = ++next_hook_id_;
  idle_hooks_[id] = std::make_shared<std::function<void()>>(std::move(hook));
  return id;
}

void EventLoop::RemoveIdleHook(int id) {
  idle_hooks_.erase(id);
}

void EventLoop::CheckWatchdog() const {
  if (watchdog_deadline_ && clock_.Now() > *watchdog_deadline_) ThrowWatchdog();
}

void EventLoop::CheckTimePasses() {
  if (time_ != TimeKind::kVirtual || !watchdog_deadline_) return;
  if (clock_.Now() != moment_) {
    moment_ = clock_.Now();
    calls_at_moment_ = 0;
  } else if (++calls_at_moment_ > kMostDoEventsAtOneMoment) {
    throw WatchdogExpired("the loop kept busy at " + std::to_string(moment_) +
                          " s without letting time pass");
  }
}

void EventLoop::ThrowWatchdog() const {
  throw WatchdogExpired("the watchdog ran out at " + std::to_string(clock_.Now()) +
                        " s: the loop was still waiting");
}

void EventLoop::DoEvents() {
  CheckWatchdog();
  CheckTimePasses();
  bool dispatched = DispatchPosted();
  dispatched = RunDueScheduled() || dispatched;
  dispatched = FireDueTimers() || dispatched;
  if (dispatched) return;
  if (!RunIdleHooks() && time_ == TimeKind::kVirtual) {
    moved_->Advance(SimDesktop::kIdleQuantum);
  }
}

// Only what was waiting when the call began: a message posted while these are dispatched waits
// for the next DoEvents, so a window that reposts to itself cannot keep the loop here forever.
// A woken process first gets what was sent to it while it hung, as sent messages come before
// posted ones on Windows; messages posted to a hung process wait in their places.
bool EventLoop::DispatchPosted() {
  bool dispatched = responsiveness_.deliver_woken && responsiveness_.deliver_woken();
  if (dispatched) ++dispatch_count_;
  const std::uint64_t last = queue_.last_sequence();
  const auto responds = [this](HWND window) { return Responds(window); };
  while (std::optional<PostedMessage> posted = queue_.PopUpTo(last, responds)) {
    if (deliver_(posted->window, posted->message, posted->wparam, posted->lparam)) {
      ++dispatch_count_;
      dispatched = true;
    }
  }
  return dispatched;
}

bool EventLoop::RunDueScheduled() {
  const double now = clock_.Now();
  if (now < earliest_scheduled_) return false;
  std::vector<std::pair<double, int>> due;
  for (const auto& [id, event] : scheduled_) {
    if (event.when <= now) due.emplace_back(event.when, id);
  }
  std::sort(due.begin(), due.end());
  bool ran = false;
  for (const auto& entry : due) {
    const auto found = scheduled_.find(entry.second);
    if (found == scheduled_.end()) continue;  // cancelled, or run by a nested loop
    const std::shared_ptr<std::function<void()>> action = found->second.action;
    scheduled_.erase(found);
    ++dispatch_count_;
    ran = true;
    (*action)();
  }
  earliest_scheduled_ = NextScheduled();
  return ran;
}

bool EventLoop::FireDueTimers() {
  if (fire_depth_ == due_timers_.size()) due_timers_.emplace_back();
  std::vector<TimerKey>& due = due_timers_[fire_depth_];
  timers_.Due(clock_.Now(), due);
  if (due.empty()) return false;
  // A handler's nested loop fires timers from a list of its own.
  struct Nested {
    std::size_t& depth;
    ~Nested() { --depth; }
  } nested{++fire_depth_};
  bool fired = false;
  const auto responds = [this](HWND window) { return Responds(window); };
  for (const TimerKey& key : due) {
    if (queue_.Any(responds)) break;
    if (!Responds(key.first)) continue;  // a hung process's timers wait until it wakes
    // A nested loop in an earlier handler may have fired or killed this one meanwhile.
    if (!timers_.TakeIfDue(key, clock_.Now())) continue;
    if (deliver_(key.first, WM_TIMER, key.second, 0)) {
      ++dispatch_count_;
      fired = true;
    }
  }
  return fired;
}

// Only the hooks there were when the round began: one added by a hook has a higher id than any
// before it, so the round ends at the highest id there was, without copying the ids out.
bool EventLoop::RunIdleHooks() {
  if (idle_hooks_.empty()) return false;
  const std::uint64_t before = activity_;
  const int last = idle_hooks_.rbegin()->first;
  for (auto found = idle_hooks_.begin(); found != idle_hooks_.end() && found->first <= last;) {
    const int id = found->first;
    const std::shared_ptr<std::function<void()>> hook = found->second;
    (*hook)();
    found = idle_hooks_.upper_bound(id);
  }
  return activity_ != before;
}

bool EventLoop::Responds(HWND window) const {
  return !responsiveness_.responds || responsiveness_.responds(window);
}

bool EventLoop::SomethingDue() const {
  const double now = clock_.Now();
  const auto responds = [this](HWND window) { return Responds(window); };
  if (queue_.Any(responds) || timers_.AnyDue(now, responds)) return true;
  if (responsiveness_.any_woken && responsiveness_.any_woken()) return true;
  if (now < earliest_scheduled_) return false;
  return std::any_of(scheduled_.begin(), scheduled_.end(),
                     [now](const auto& entry) { return entry.second.when <= now; });
}

double EventLoop::NextScheduled() const {
  double next = kInfinity;
  for (const auto& entry : scheduled_) next = std::min(next, entry.second.when);
  return next;
}

void EventLoop::WaitForWork(double deadline) {
  CheckWatchdog();
  if (SomethingDue()) return;
  if (RunIdleHooks()) return;
  const auto responds = [this](HWND window) { return Responds(window); };
  const double next_wake = responsiveness_.next_wake ? responsiveness_.next_wake() : kInfinity;
  PassTime(std::min({timers_.NextDue(responds), NextScheduled(), next_wake, deadline}));
}

void EventLoop::Block(double until) {
  CheckWatchdog();
  if (until > clock_.Now()) PassTime(until);
}

void EventLoop::PassTime(double target) {
  if (time_ == TimeKind::kVirtual) {
    // Nothing will ever happen: step on, so that the watchdog ends the wait.
    const double until =
        std::isinf(target) ? clock_.Now() + SimDesktop::kIdleQuantum * 1000 : target;
    // A wait that would carry the clock past the watchdog ends there.
    if (watchdog_deadline_ && until > *watchdog_deadline_) {
      moved_->AdvanceTo(*watchdog_deadline_);
      ThrowWatchdog();
    }
    moved_->AdvanceTo(until);
    return;
  }
  if (watchdog_deadline_) target = std::min(target, *watchdog_deadline_);
  const double seconds = std::isinf(target) ? kRealIdleSleep : target - clock_.Now();
  if (!(seconds > 0)) return;
  std::this_thread::sleep_until(std::chrono::steady_clock::now() +
                                std::chrono::duration<double>(seconds));
}

}  // namespace winsys::sim
