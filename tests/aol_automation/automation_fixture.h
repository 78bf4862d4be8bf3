#pragma once
// The automation driven against the stand-in client, as the program drives it: from a process of
// its own on the simulated desktop, with the virtual clock. The fixture owns clock, desktop, the
// client's process and the program's, and the client, signed on as "Ada Reed"; it is run for
// both layouts. Waits are bounded by a short table so that a client that never answers costs a
// few virtual seconds.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aol_automation/wait_bounds.h"
#include "aolsim/client.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "support/layout_name.h"
#include "support/short_wait_bounds.h"

namespace vornik32::testing {

using winsys::HWND;

inline constexpr const char* kUserName = "Ada Reed";

// A timer of the program's own process, standing for the serving engine's timers: it must keep
// firing while the automation waits for the client.
class ProgramTicker {
 public:
  static constexpr double kPeriodSeconds = 0.1;

  explicit ProgramTicker(winsys::WindowSystem& program);
  ~ProgramTicker();
  ProgramTicker(const ProgramTicker&) = delete;
  ProgramTicker& operator=(const ProgramTicker&) = delete;

  int ticks() const { return ticks_; }

 private:
  winsys::WindowSystem& program_;
  HWND window_ = winsys::kNoWindow;
  int ticks_ = 0;
};

// Watches the messages one of the client's windows receives, passing them on unless told to
// swallow some (a client window that ignores clicks, or will not close).
class MessageSpy {
 public:
  MessageSpy(winsys::WindowSystem& owner, HWND window, std::vector<winsys::UINT> swallowed = {});
  int count(winsys::UINT message) const;
  std::vector<winsys::WPARAM> wparams(winsys::UINT message) const;

 private:
  struct Seen {
    winsys::UINT message;
    winsys::WPARAM wparam;
  };
  // Shared with the window's procedure, which may outlive the spy.
  std::shared_ptr<std::vector<Seen>> seen_ = std::make_shared<std::vector<Seen>>();
};

// The scene in one layout; AutomationFixture runs it for both.
class AutomationScene : public ::testing::Test {
 protected:
  explicit AutomationScene(aolsim::Layout layout);
  void SetUp() override;

  bool IsVersion5() const { return layout_ == aolsim::Layout::kVersion5; }
  const aolsim::LayoutNumbers& numbers() const { return aolsim::NumbersFor(layout_); }
  double Now() const { return clock_.Now(); }

  // Lets the desktop run for the time given, measured exactly.
  void RunFor(double seconds);
  // Lets time pass until ready() holds (true) or the time runs out (false).
  bool RunUntil(const std::function<bool()>& ready, double seconds = 30);
  // Asserts that a bounded wait ran out: the operation took about its bound (plus the steps
  // before it), and the program's timer kept firing all the while.
  void ExpectGaveUpAfter(Outcome outcome, double started, double bound,
                         const ProgramTicker& ticker) const;

  // A content window of the client's, made here with the client's classes: the caption and, per
  // class, how many children of it (in the order given, so the test decides the child order).
  HWND MakeContentWindow(const std::string& caption,
                         const std::vector<std::pair<const char*, int>>& children);
  void DestroyContentWindow(HWND window);
  // The client's content windows in child order, front first.
  std::vector<HWND> ContentWindows();

  aolsim::Layout layout_;
  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& client_process_;
  winsys::WindowSystem& program_;
  aolsim::Client client_;
  WaitBounds bounds_ = tollmere_testing::ShortWaitBounds();
};

class AutomationFixture : public AutomationScene,
                          public ::testing::WithParamInterface<aolsim::Layout> {
 protected:
  AutomationFixture() : AutomationScene(GetParam()) {}
};

#define AUTOMATION_BOTH_LAYOUTS(suite)                                             \
  INSTANTIATE_TEST_SUITE_P(                                                        \
      BothLayouts, suite,                                                          \
      ::testing::Values(::aolsim::Layout::kVersion5, ::aolsim::Layout::kVersion4), \
      ::tollmere_testing::LayoutName)

}  // namespace vornik32::testing
