#pragma once
// Window timers. A timer is not a queued message: the loop asks which timers are due when no
// posted message waits. A timer that missed several periods fires once and is then rescheduled
// a whole period from the moment it fired.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "shared/winsys/types.h"

namespace winsys::sim {

using TimerKey = std::pair<HWND, std::uintptr_t>;

class TimerTable {
 public:
  // Windows never runs a timer faster than this (USER_TIMER_MINIMUM).
  static constexpr double kMinimumPeriod = 0.010;

  // Sets or resets the timer; it first fires one period from now.
  void Set(HWND window, std::uintptr_t id, UINT milliseconds, double now);
  bool Kill(HWND window, std::uintptr_t id);
  void KillAllOf(HWND window);

  // The due timers, earliest first (ties in the order they were set), into keys (emptied first):
  // the loop asks at every turn, and a list it keeps costs no allocation.
  void Due(double now, std::vector<TimerKey>& keys) const;
  bool AnyDue(double now) const;
  // The same, counting only the timers of windows that take messages now.
  bool AnyDue(double now, const std::function<bool(HWND)>& takes) const;
  // When the timer is still there and due, reschedules it from now and answers true.
  bool TakeIfDue(const TimerKey& key, double now);
  // The earliest due time, or infinity.
  double NextDue() const;
  double NextDue(const std::function<bool(HWND)>& takes) const;
  std::size_t size() const { return timers_.size(); }

 private:
  struct Timer {
    double period = 0;
    double due = 0;
    std::uint64_t order = 0;
  };
  // The earliest due time, worked out again only after a change: the loop asks whether anything
  // is due far more often than a timer is set, fired or killed.
  double Earliest() const;
  // The window of a timer due at Earliest (0 when there is none): when that window takes
  // messages, the earliest of the timers it counts is known without a walk.
  HWND EarliestWindow() const;

  std::map<TimerKey, Timer> timers_;
  std::uint64_t next_order_ = 0;
  struct EarliestTimer {
    double due = 0;
    HWND window = 0;
  };
  mutable std::optional<EarliestTimer> earliest_;
  // Due's sorting room, kept between calls.
  mutable std::vector<std::pair<std::pair<double, std::uint64_t>, TimerKey>> due_;
};

}  // namespace winsys::sim
