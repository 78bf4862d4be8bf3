#pragma once
// The desktop's one message loop: posted messages, timers, scheduled events, idle hooks, the
// watchdog, and how time passes when there is nothing to do. All processes share it, as all the
// simulated programs share one thread: a wait in one lets the others run.

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "shared/winsys/clock.h"
#include "shared/winsys/sim/message_queue.h"
#include "shared/winsys/sim/timer_table.h"

namespace winsys::sim {

class VirtualClock;
enum class TimeKind;

class EventLoop {
 public:
  // Hands a message to its window's procedure; false when the window is gone.
  using Deliver = std::function<bool(HWND, UINT, WPARAM, LPARAM)>;

  // What the loop asks about hung processes: whether a window's process takes messages now,
  // when the next hung one wakes, and handing woken processes what was sent to them meanwhile.
  struct Responsiveness {
    std::function<bool(HWND)> responds;
    std::function<double()> next_wake;
    std::function<bool()> any_woken;
    std::function<bool()> deliver_woken;  // true when it delivered something
  };

  // moved: the clock the loop moves when it is idle, with virtual time only.
  EventLoop(Clock& clock, VirtualClock* moved, TimeKind time, Deliver deliver);
  void SetResponsiveness(Responsiveness responsiveness) {
    responsiveness_ = std::move(responsiveness);
  }

  // Anything that shows the desktop is not idle: a message sent or posted, input, a window made
  // or destroyed. Idle hooks that cause none of it are taken to have done nothing.
  void NoteActivity() { ++activity_; }
  std::uint64_t activity() const { return activity_; }

  void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool HasPosted() const { return !queue_.empty(); }

  // The calling program is blocked (in a send to a hung one) until then: time passes and nothing
  // else runs meanwhile, as that program's thread does nothing while it waits.
  void Block(double until);

  void SetTimer(HWND window, std::uintptr_t id, UINT milliseconds);
  bool KillTimer(HWND window, std::uintptr_t id);
  void KillTimersOf(HWND window);

  int ScheduleAt(double when, std::function<void()> action);
  void CancelScheduled(int id);

  int AddIdleHook(std::function<void()> hook);
  void RemoveIdleHook(int id);

  void SetWatchdog(double deadline) { watchdog_deadline_ = deadline; }
  void ClearWatchdog() { watchdog_deadline_.reset(); }

  void DoEvents();
  void WaitForWork(double deadline);

  std::uint64_t dispatch_count() const { return dispatch_count_; }

 private:
  struct Scheduled {
    double when = 0;
    std::shared_ptr<std::function<void()>> action;
  };

  void CheckWatchdog() const;
  [[noreturn]] void ThrowWatchdog() const;
  void CheckTimePasses();
  bool DispatchPosted();
  bool RunDueScheduled();
  bool FireDueTimers();
  // True when the hooks did something.
  bool RunIdleHooks();
  bool SomethingDue() const;
  double NextScheduled() const;
  void PassTime(double target);
  bool Responds(HWND window) const;

  Clock& clock_;
  VirtualClock* moved_;
  TimeKind time_;
  Deliver deliver_;
  Responsiveness responsiveness_;
  MessageQueue queue_;
  TimerTable timers_;
  // The due timers FireDueTimers works through, a list for each depth of nested loops, kept from
  // round to round (a deque, so that a nested loop's new list moves none of the others).
  std::deque<std::vector<TimerKey>> due_timers_;
  std::size_t fire_depth_ = 0;
  std::map<int, Scheduled> scheduled_;
  // Never later than the earliest of scheduled_ (a cancelled or run event may leave it early),
  // so that the loop's every turn need not walk them all to learn that none is due.
  double earliest_scheduled_ = std::numeric_limits<double>::infinity();
  std::map<int, std::shared_ptr<std::function<void()>>> idle_hooks_;
  int next_scheduled_id_ = 0;
  int next_hook_id_ = 0;
  std::optional<double> watchdog_deadline_;
  std::uint64_t activity_ = 0;
  std::uint64_t dispatch_count_ = 0;
  double moment_ = -1;
  std::uint64_t calls_at_moment_ = 0;
};

}  // namespace winsys::sim
