// The program's wait primitive on the desktop's clock: its start is rounded to the second.

#include "shared/winsys/wait.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace winsys::testing {
namespace {

struct WaitCase {
  int start_millisecond;  // of 12:00:00
  double seconds;
  double expected;  // how long the wait takes
};

class WaitSecondsTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitSecondsTest, LastsFromTheRoundedStart) {
  const WaitCase& c = GetParam();
  sim::VirtualClock clock(LocalTime{2000, 6, 15, 12, 0, 0, c.start_millisecond});
  sim::SimDesktop desktop(clock);
  WindowSystem& app = desktop.CreateProcess("app");
  WaitSeconds(app, c.seconds);
  EXPECT_NEAR(clock.Now(), c.expected, 0.0015);
}

// From 12:00:00.000 a wait lasts its time; from .400 the start rounds down to 12:00:00 and from
// .600 up to 12:00:01, so the same waits come out shorter or longer by up to half a second.
INSTANTIATE_TEST_SUITE_P(Waits, WaitSecondsTest,
                         ::testing::Values(WaitCase{0, 0, 0}, WaitCase{0, 0.01, 0.01},
                                           WaitCase{0, 0.5, 0.5}, WaitCase{0, 1, 1},
                                           WaitCase{400, 0, 0}, WaitCase{400, 0.01, 0},
                                           WaitCase{400, 0.5, 0.1}, WaitCase{400, 1, 0.6},
                                           WaitCase{600, 0, 0.4}, WaitCase{600, 0.01, 0.41},
                                           WaitCase{600, 0.5, 0.9}, WaitCase{600, 1, 1.4}),
                         [](const auto& info) {
                           return "From" + std::to_string(info.param.start_millisecond) + "ms" +
                                  std::to_string(static_cast<int>(info.param.seconds * 100)) + "cs";
                         });

TEST(WaitSeconds, CountsOnAcrossMidnight) {
  sim::VirtualClock clock(LocalTime{2000, 12, 31, 23, 59, 59, 700});
  sim::SimDesktop desktop(clock);
  WindowSystem& app = desktop.CreateProcess("app");
  WaitSeconds(app, 1);
  // The start rounds up to midnight itself; the wait ends one second into the new day.
  EXPECT_NEAR(clock.Now(), 1.3, 0.0015);
  const LocalTime now = clock.Local();
  EXPECT_EQ(now.year, 2001);
  EXPECT_EQ(now.month, 1);
  EXPECT_EQ(now.day, 1);
  EXPECT_EQ(now.hour, 0);
  EXPECT_EQ(now.minute, 0);
  EXPECT_EQ(now.second, 1);
}

TEST(WaitSeconds, LetsTheLoopRunWhileItWaits) {
  sim::VirtualClock clock;
  sim::SimDesktop desktop(clock);
  WindowSystem& app = desktop.CreateProcess("app");
  int ran = 0;
  desktop.ScheduleAt(0.25, [&] { ++ran; });
  desktop.ScheduleAt(0.75, [&] { ++ran; });
  WaitSeconds(app, 1);
  EXPECT_EQ(ran, 2);
}

TEST(WaitAtLeastSeconds, MeasuresFromTheExactMoment) {
  sim::VirtualClock clock(LocalTime{2000, 6, 15, 12, 0, 0, 600});
  sim::SimDesktop desktop(clock);
  WindowSystem& app = desktop.CreateProcess("app");
  WaitAtLeastSeconds(app, 0.01);
  EXPECT_NEAR(clock.Now(), 0.01, 0.0015);
  WaitAtLeastSeconds(app, 0);
  EXPECT_NEAR(clock.Now(), 0.01, 0.0015);
}

TEST(VirtualClock, KeepsTheCalendar) {
  sim::VirtualClock clock(LocalTime{2000, 2, 28, 23, 0, 0, 0});
  clock.Advance(3600 + 0.25);
  LocalTime t = clock.Local();
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);  // a leap year
  EXPECT_EQ(t.hour, 0);
  EXPECT_EQ(t.millisecond, 250);
  EXPECT_NEAR(clock.SecondsSinceMidnight(), 0.25, 1e-9);
  clock.Advance(-5);  // never backwards
  clock.AdvanceTo(1.0);
  EXPECT_NEAR(clock.Now(), 3600.25, 1e-9);
  clock.Advance(86400);
  t = clock.Local();
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 1);
}

}  // namespace
}  // namespace winsys::testing
