// The message loop: timers, nested loops, idle hooks, scheduled events and the watchdog.

// These cases stage input, time and popup menus through the simulated desktop itself.
#ifndef TOLLMERE_WIN32_DESKTOP
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "shared/winsys/sim/real_clock.h"
#include "shared/winsys/wait.h"
#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

constexpr double kForever = std::numeric_limits<double>::infinity();

class LoopTest : public DesktopTest {
 protected:
  LoopTest() { window_ = Make(app_, "window"); }
  // Runs the loop as a program's main loop does, until the clock reaches when.
  void RunUntil(double when) {
    while (clock_.Now() < when) {
      app_.DoEvents();
      app_.WaitForWork(when);
    }
  }
  HWND window_ = kNoWindow;
};

TEST_F(LoopTest, ATimerFiresEveryPeriodWithItsId) {
  ASSERT_EQ(app_.SetTimer(window_, 7, 100), 7u);
  RunUntil(1.0);
  EXPECT_EQ(CountOf(window_, WM_TIMER), 10);
  EXPECT_EQ(SequenceWithWParam({WM_TIMER}).front(), "window:WM_TIMER(7)");
  EXPECT_TRUE(app_.KillTimer(window_, 7));
  EXPECT_FALSE(app_.KillTimer(window_, 7));
  RunUntil(2.0);
  EXPECT_EQ(CountOf(window_, WM_TIMER), 10);
}

TEST_F(LoopTest, MissedPeriodsCollapseIntoOneAndTheTimerRestartsFromThen) {
  app_.SetTimer(window_, 1, 100);
  clock_.Advance(1.05);  // ten periods pass without a loop
  app_.DoEvents();
  EXPECT_EQ(CountOf(window_, WM_TIMER), 1);
  app_.DoEvents();
  EXPECT_EQ(CountOf(window_, WM_TIMER), 1);
  RunUntil(1.15 + 1e-9);  // the next one comes a whole period after the late one
  EXPECT_EQ(CountOf(window_, WM_TIMER), 2);
}

TEST_F(LoopTest, SettingATimerAgainRestartsIt) {
  app_.SetTimer(window_, 1, 100);
  RunUntil(0.09);
  app_.SetTimer(window_, 1, 100);
  RunUntil(0.15);
  EXPECT_EQ(CountOf(window_, WM_TIMER), 0);
  RunUntil(0.2);
  EXPECT_EQ(CountOf(window_, WM_TIMER), 1);
}

TEST_F(LoopTest, ATimerDoesNotFireWhilePostedMessagesKeepComing) {
  app_.SetTimer(window_, 1, 10);
  int posts = 0;
  // A window that keeps its queue busy: each message posts the next one.
  On(window_, WM_USER, [&](HWND window, WPARAM, LPARAM) -> LRESULT {
    if (++posts < 50) app_.PostMessage(window, WM_USER, 0, 0);
    clock_.Advance(0.01);
    return 0;
  });
  app_.PostMessage(window_, WM_USER, 0, 0);
  while (posts < 49) app_.DoEvents();
  EXPECT_EQ(CountOf(window_, WM_TIMER), 0);
  app_.DoEvents();  // the last message posts nothing: the timer fires once the queue is empty
  EXPECT_EQ(posts, 50);
  EXPECT_EQ(Sequence({WM_USER, WM_TIMER}).back(), "window:WM_TIMER");
}

TEST_F(LoopTest, TimersOfADestroyedWindowStop) {
  const HWND doomed = Make(app_, "doomed");
  app_.SetTimer(doomed, 1, 100);
  app_.DestroyWindow(doomed);
  RunUntil(1.0);
  EXPECT_EQ(CountOf(doomed, WM_TIMER), 0);
  EXPECT_EQ(other_.SetTimer(window_, 2, 100), 0u) << "a timer on another program's window";
}

TEST_F(LoopTest, TimersKeepFiringInsideANestedModalLoopAndMayReenterTheirHandler) {
  const HWND clock_window = Make(app_, "clock");
  app_.SetTimer(clock_window, 1, 100);
  app_.SetTimer(window_, 2, 1000);
  int depth = 0;
  int deepest = 0;
  bool dialog_answered = false;
  On(window_, WM_TIMER, [&](HWND, WPARAM, LPARAM) -> LRESULT {
    ++depth;
    deepest = std::max(deepest, depth);
    if (depth == 1) {
      // A modal loop, as a message box runs, answered two seconds later.
      desktop_.ScheduleAt(clock_.Now() + 2.0, [&] { dialog_answered = true; });
      sim::RunModalLoop(app_, [&] { return dialog_answered; });
    }
    --depth;
    return 0;
  });
  RunUntil(1.0 + 1e-9);
  EXPECT_TRUE(dialog_answered);
  EXPECT_NEAR(clock_.Now(), 3.0, 0.01);
  // The slow timer came back twice while its first run waited, the fast one kept its pace.
  EXPECT_EQ(deepest, 2);
  EXPECT_EQ(CountOf(window_, WM_TIMER), 3);
  EXPECT_NEAR(CountOf(clock_window, WM_TIMER), 30, 1);
}

TEST_F(LoopTest, ADoEventsThatFindsNothingCostsOneQuantum) {
  const double before = clock_.Now();
  app_.DoEvents();
  EXPECT_DOUBLE_EQ(clock_.Now() - before, sim::SimDesktop::kIdleQuantum);
  app_.PostMessage(window_, WM_USER, 0, 0);
  const auto dispatched = desktop_.DispatchCount();
  app_.DoEvents();  // this one had work: no time passes
  EXPECT_DOUBLE_EQ(clock_.Now() - before, sim::SimDesktop::kIdleQuantum);
  EXPECT_EQ(desktop_.DispatchCount(), dispatched + 1);
}

TEST_F(LoopTest, WaitForWorkJumpsToTheNextDueThingOrTheDeadline) {
  EXPECT_EQ(clock_.Now(), 0.0);
  app_.SetTimer(window_, 1, 250);
  app_.WaitForWork(10.0);
  EXPECT_DOUBLE_EQ(clock_.Now(), 0.25);
  app_.WaitForWork(10.0);  // the timer is due: nothing passes
  EXPECT_DOUBLE_EQ(clock_.Now(), 0.25);
  app_.DoEvents();
  desktop_.ScheduleAt(0.3, [] {});
  app_.WaitForWork(10.0);
  EXPECT_DOUBLE_EQ(clock_.Now(), 0.3);
  app_.DoEvents();
  app_.KillTimer(window_, 1);
  app_.WaitForWork(0.4);
  EXPECT_DOUBLE_EQ(clock_.Now(), 0.4);
  app_.WaitForWork(kForever);  // nothing at all: a large step, so the watchdog can end it
  EXPECT_NEAR(clock_.Now(), 0.4 + sim::SimDesktop::kIdleQuantum * 1000, 1e-9);
}

TEST_F(LoopTest, IdleHooksRunBeforeTimePassesAndAHookThatActsStopsTheWait) {
  std::vector<std::string> events;
  int calls = 0;
  desktop_.AddIdleHook([&] {
    events.push_back("first");
    // A hook acting as a person: once, it posts a message.
    if (++calls == 2) app_.PostMessage(window_, WM_USER, 0, 0);
  });
  const int second = desktop_.AddIdleHook([&] { events.push_back("second"); });
  app_.DoEvents();  // idle: hooks run, did nothing, a quantum passes
  EXPECT_EQ(events, (std::vector<std::string>{"first", "second"}));
  EXPECT_DOUBLE_EQ(clock_.Now(), sim::SimDesktop::kIdleQuantum);
  app_.WaitForWork(5.0);  // the first hook posts: the wait ends at once
  EXPECT_DOUBLE_EQ(clock_.Now(), sim::SimDesktop::kIdleQuantum);
  app_.DoEvents();
  EXPECT_EQ(CountOf(window_, WM_USER), 1);
  desktop_.RemoveIdleHook(second);
  events.clear();
  app_.WaitForWork(5.0);
  EXPECT_EQ(events, (std::vector<std::string>{"first"}));
  EXPECT_DOUBLE_EQ(clock_.Now(), 5.0);
}

TEST_F(LoopTest, AnIdleHookMayRunAModalLoopThatCallsTheHooksAgain) {
  int depth = 0;
  int deepest = 0;
  bool answered = false;
  desktop_.AddIdleHook([&] {
    ++depth;
    deepest = std::max(deepest, depth);
    if (depth == 1 && !answered) {
      desktop_.ScheduleAt(clock_.Now() + 1.0, [&] { answered = true; });
      sim::RunModalLoop(app_, [&] { return answered; });
    }
    --depth;
  });
  app_.DoEvents();
  EXPECT_TRUE(answered);
  EXPECT_EQ(deepest, 2);
}

TEST_F(LoopTest, ScheduledEventsRunInTimeOrderAndCanBeCancelled) {
  std::vector<int> ran;
  desktop_.ScheduleAt(2.0, [&] { ran.push_back(2); });
  const int cancelled = desktop_.ScheduleAt(1.5, [&] { ran.push_back(15); });
  desktop_.ScheduleAt(1.0, [&] { ran.push_back(1); });
  desktop_.CancelScheduled(cancelled);
  RunUntil(3.0);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(LoopTest, QuittingEndsAModalLoop) {
  bool ran = false;
  desktop_.ScheduleAt(1.0, [&] { app_.PostQuitMessage(0); });
  sim::RunModalLoop(app_, [&] { return false; });
  ran = true;
  EXPECT_TRUE(ran);
  EXPECT_TRUE(app_.ShouldQuit());
  EXPECT_FALSE(other_.ShouldQuit());
}

TEST_F(LoopTest, TheWatchdogEndsAWaitThatWouldNeverFinish) {
  app_.SetTimer(window_, 1, 100);
  desktop_.SetWatchdog(10.0);
  EXPECT_THROW(sim::RunModalLoop(app_, [] { return false; }), sim::WatchdogExpired);
  EXPECT_GE(clock_.Now(), 10.0);
  EXPECT_LT(clock_.Now(), 10.2);

  desktop_.SetWatchdog(5.0);
  app_.KillTimer(window_, 1);
  const double start = clock_.Now();
  EXPECT_THROW(WaitSeconds(app_, 3600), sim::WatchdogExpired);
  EXPECT_NEAR(clock_.Now() - start, 5.0, 0.01);

  desktop_.ClearWatchdog();
  WaitSeconds(app_, 100);  // no watchdog: waits its time
}

TEST_F(LoopTest, TheWatchdogEndsALoopKeptBusyWithoutTimePassing) {
  // Each message posts the next: the queue is never empty, so virtual time never moves.
  On(window_, WM_USER, [&](HWND window, WPARAM, LPARAM) -> LRESULT {
    app_.PostMessage(window, WM_USER, 0, 0);
    return 0;
  });
  app_.PostMessage(window_, WM_USER, 0, 0);
  EXPECT_THROW(sim::RunModalLoop(app_, [] { return false; }), sim::WatchdogExpired);
}

TEST(FreshDesktop, HasAGenerousWatchdogOnlyOnTheVirtualClock) {
  sim::VirtualClock clock;
  sim::SimDesktop desktop(clock);
  WindowSystem& app = desktop.CreateProcess("app");
  EXPECT_THROW(WaitSeconds(app, 40.0 * 86400), sim::WatchdogExpired);
  EXPECT_GT(clock.Now(), 29.0 * 86400);
  EXPECT_LT(clock.Now(), 31.0 * 86400);

  sim::RealClock real_clock;
  sim::SimDesktop real_desktop(real_clock, sim::TimeKind::kRealtime);
  EXPECT_EQ(real_desktop.time(), sim::TimeKind::kRealtime);
  EXPECT_THROW(sim::SimDesktop(real_clock, sim::TimeKind::kVirtual), std::invalid_argument);
  WindowSystem& real_app = real_desktop.CreateProcess("app");
  CreateParams params;
  params.class_name = "Static";
  const HWND window = real_app.CreateWindow(params);
  real_app.SetTimer(window, 1, 10);
  WaitAtLeastSeconds(real_app, 0.03);  // a short real wait: timers fire, nothing throws
  EXPECT_GE(real_clock.Now(), 0.03);
}

// The shape of the serving loop: a 100 ms timer whose handler waits half a second (and guards
// itself against the re-entry that the wait allows) while a 5 s timer keeps its pace.
TEST_F(LoopTest, AThousandServingCyclesRunOnTheVirtualClock) {
  const HWND server = Make(app_, "server");
  app_.SetTimer(server, 1, 100);
  app_.SetTimer(server, 2, 5000);
  int cycles = 0;
  int chat_reads = 0;
  bool busy = false;
  On(server, WM_TIMER, [&](HWND, WPARAM id, LPARAM) -> LRESULT {
    if (id == 2) {
      ++chat_reads;
    } else if (!busy) {
      busy = true;
      WaitSeconds(app_, 0.5);
      ++cycles;
      busy = false;
    }
    return 0;
  });
  desktop_.SetWatchdog(2000.0);
  while (cycles < 1000) {
    app_.DoEvents();
    app_.WaitForWork(kForever);
  }
  const double elapsed = clock_.Now();
  EXPECT_GT(elapsed, 500.0);
  EXPECT_LT(elapsed, 1100.0);
  EXPECT_NEAR(chat_reads, elapsed / 5.0, 2.0);
}

}  // namespace
}  // namespace winsys::testing

#endif  // TOLLMERE_WIN32_DESKTOP
