#pragma once
// The client's clockwork. It never waits: everything it does later is a timer of a hidden window
// of its own, with the action kept here under the timer's id.

#include <cstdint>
#include <functional>
#include <map>
#include <set>

#include "shared/winsys/window_system.h"

namespace aolsim {

using TimerId = std::uintptr_t;

class Timers {
 public:
  explicit Timers(winsys::WindowSystem& ws);
  ~Timers();
  Timers(const Timers&) = delete;
  Timers& operator=(const Timers&) = delete;

  TimerId After(double seconds, std::function<void()> action);
  TimerId Every(double seconds, std::function<void()> action);
  void Cancel(TimerId id);
  // Runs before each action, so that window objects whose windows are gone can be let go (their
  // timers are then cancelled and do not run).
  void SetBeforeEach(std::function<void()> hook) { before_each_ = std::move(hook); }
  std::size_t PendingCount() const { return entries_.size(); }

 private:
  enum class Repeat { kOnce, kEvery };
  struct Entry {
    std::function<void()> action;
    Repeat repeat = Repeat::kOnce;
  };

  TimerId Start(double seconds, std::function<void()> action, Repeat repeat);
  void OnTimer(TimerId id);

  winsys::WindowSystem& ws_;
  winsys::HWND window_ = winsys::kNoWindow;
  std::map<TimerId, Entry> entries_;
  TimerId next_id_ = 1;
  std::function<void()> before_each_;
};

// Timers that belong to one object: the ones still pending are cancelled with it.
class TimerSet {
 public:
  explicit TimerSet(Timers& timers) : timers_(timers) {}
  ~TimerSet() { CancelAll(); }
  TimerSet(const TimerSet&) = delete;
  TimerSet& operator=(const TimerSet&) = delete;

  TimerId After(double seconds, std::function<void()> action);
  TimerId Every(double seconds, std::function<void()> action);
  void Cancel(TimerId id);
  void CancelAll();

 private:
  Timers& timers_;
  std::set<TimerId> ids_;
};

}  // namespace aolsim
