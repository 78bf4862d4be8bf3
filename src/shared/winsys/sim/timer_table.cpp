#include "shared/winsys/sim/timer_table.h"

#include <algorithm>
#include <limits>

namespace winsys::sim {

void TimerTable::Set(HWND window, std::uintptr_t id, UINT milliseconds, double now) {
  const double period = std::max(kMinimumPeriod, milliseconds / 1000.0);
  timers_[TimerKey{window, id}] = Timer{period, now + period, ++next_order_};
  earliest_.reset();
}

bool TimerTable::Kill(HWND window, std::uintptr_t id) {
  earliest_.reset();
  return timers_.erase(TimerKey{window, id}) != 0;
}

void TimerTable::KillAllOf(HWND window) {
  earliest_.reset();
  auto it = timers_.lower_bound(TimerKey{window, 0});
  while (it != timers_.end() && it->first.first == window) it = timers_.erase(it);
}

void TimerTable::Due(double now, std::vector<TimerKey>& keys) const {
  keys.clear();
  if (now < Earliest()) return;
  due_.clear();
  for (const auto& [key, timer] : timers_) {
    if (timer.due <= now) due_.push_back({{timer.due, timer.order}, key});
  }
  std::sort(due_.begin(), due_.end());
  for (const auto& entry : due_) keys.push_back(entry.second);
}

bool TimerTable::AnyDue(double now) const {
  return Earliest() <= now;
}

bool TimerTable::TakeIfDue(const TimerKey& key, double now) {
  const auto found = timers_.find(key);
  if (found == timers_.end() || found->second.due > now) return false;
  found->second.due = now + found->second.period;
  earliest_.reset();
  return true;
}

double TimerTable::NextDue() const {
  return Earliest();
}

double TimerTable::Earliest() const {
  if (!earliest_) {
    EarliestTimer next{std::numeric_limits<double>::infinity(), 0};
    for (const auto& [key, timer] : timers_) {
      if (timer.due < next.due) next = {timer.due, key.first};
    }
    earliest_ = next;
  }
  return earliest_->due;
}

HWND TimerTable::EarliestWindow() const {
  Earliest();
  return earliest_->window;
}

bool TimerTable::AnyDue(double now, const std::function<bool(HWND)>& takes) const {
  if (now < Earliest()) return false;
  if (takes(EarliestWindow())) return true;
  return std::any_of(timers_.begin(), timers_.end(), [&](const auto& entry) {
    return entry.second.due <= now && takes(entry.first.first);
  });
}

double TimerTable::NextDue(const std::function<bool(HWND)>& takes) const {
  if (!timers_.empty() && takes(EarliestWindow())) return Earliest();
  double next = std::numeric_limits<double>::infinity();
  for (const auto& entry : timers_) {
    if (takes(entry.first.first)) next = std::min(next, entry.second.due);
  }
  return next;
}

}  // namespace winsys::sim
