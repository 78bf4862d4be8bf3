#include "aolsim/timers.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "aolsim/seam_names.h"

namespace aolsim {

namespace {

constexpr const char* kTimerWindowClass = "AOL Timer Host";

}  // namespace

Timers::Timers(winsys::WindowSystem& ws) : ws_(ws) {
  // The class procedure captures nothing: a class outlives any one client of the process.
  ws_.RegisterClass(kTimerWindowClass, [&system = ws_](HWND h, UINT m, WPARAM w, LPARAM l) {
    return system.DefWindowProc(h, m, w, l);
  });
  winsys::CreateParams params;
  params.class_name = kTimerWindowClass;
  window_ = ws_.CreateWindow(params);
  const winsys::WindowProc next =
      ws_.SubclassWindow(window_, [this](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == winsys::WM_TIMER) {
          OnTimer(w);
          return winsys::LRESULT{0};
        }
        return ws_.DefWindowProc(h, m, w, l);
      });
  (void)next;
}

Timers::~Timers() {
  for (const auto& [id, entry] : entries_) ws_.KillTimer(window_, id);
  entries_.clear();
  ws_.DestroyWindow(window_);
}

TimerId Timers::After(double seconds, std::function<void()> action) {
  return Start(seconds, std::move(action), Repeat::kOnce);
}

TimerId Timers::Every(double seconds, std::function<void()> action) {
  return Start(seconds, std::move(action), Repeat::kEvery);
}

TimerId Timers::Start(double seconds, std::function<void()> action, Repeat repeat) {
  const TimerId id = next_id_++;
  const double milliseconds = std::ceil(std::max(0.0, seconds) * 1000.0);
  entries_[id] = Entry{std::move(action), repeat};
  ws_.SetTimer(window_, id, static_cast<UINT>(std::max(1.0, milliseconds)));
  return id;
}

void Timers::Cancel(TimerId id) {
  if (entries_.erase(id) != 0) ws_.KillTimer(window_, id);
}

void Timers::OnTimer(TimerId id) {
  if (before_each_) before_each_();
  const auto found = entries_.find(id);
  if (found == entries_.end()) {
    ws_.KillTimer(window_, id);
    return;
  }
  const std::function<void()> action = found->second.action;
  if (found->second.repeat == Repeat::kOnce) {
    entries_.erase(found);
    ws_.KillTimer(window_, id);
  }
  action();
}

TimerId TimerSet::After(double seconds, std::function<void()> action) {
  // The timer cannot fire before this returns (nothing here runs the message loop), so its id is
  // known by the time the action needs to forget it.
  auto id = std::make_shared<TimerId>(0);
  *id = timers_.After(seconds, [this, id, action = std::move(action)] {
    ids_.erase(*id);
    action();
  });
  ids_.insert(*id);
  return *id;
}

TimerId TimerSet::Every(double seconds, std::function<void()> action) {
  const TimerId id = timers_.Every(seconds, std::move(action));
  ids_.insert(id);
  return id;
}

void TimerSet::Cancel(TimerId id) {
  if (ids_.erase(id) != 0) timers_.Cancel(id);
}

void TimerSet::CancelAll() {
  for (const TimerId id : ids_) timers_.Cancel(id);
  ids_.clear();
}

}  // namespace aolsim
