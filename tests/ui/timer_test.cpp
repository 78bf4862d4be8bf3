// Timers on the virtual clock: when they fire, what enabling, disabling and a new interval do,
// and what happens around the form's load and unload.

#include <gmock/gmock.h>

#include "shared/winsys/wait.h"
#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using namespace winsys;

class TimerTest : public UiFixture {
 protected:
  TimerTest() {
    test_->RequestTimer.on_timer = [this] { ticks_.push_back(clock_.Now() - start_); };
  }
  void Start() {
    test_->form.Show();
    start_ = clock_.Now();
  }
  std::vector<double> ticks_;  // seconds after Start
  double start_ = 0;
};

::testing::Matcher<double> About(double seconds) {
  return ::testing::DoubleNear(seconds, 0.0015);
}

TEST_F(TimerTest, ADisabledTimerNeverFires) {
  Start();
  RunFor(1);
  EXPECT_TRUE(ticks_.empty());
  EXPECT_FALSE(test_->RequestTimer.running());
}

TEST_F(TimerTest, AnEnabledTimerFiresEveryInterval) {
  Start();
  test_->RequestTimer.Enable();
  RunFor(0.35);
  EXPECT_THAT(ticks_, ::testing::ElementsAre(About(0.1), About(0.2), About(0.3)));
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsSchedule) {
  Start();
  test_->RequestTimer.Enable();
  RunFor(0.06);
  test_->RequestTimer.Enable();
  RunFor(0.1);
  EXPECT_THAT(ticks_, ::testing::ElementsAre(About(0.1)));
}

TEST_F(TimerTest, SettingTheIntervalStartsTheCountAgain) {
  Start();
  test_->RequestTimer.Enable();
  RunFor(0.06);
  test_->RequestTimer.set_interval(100);
  RunFor(0.15);
  EXPECT_THAT(ticks_, ::testing::ElementsAre(About(0.16)));
}

TEST_F(TimerTest, AnIntervalOfZeroNeverFires) {
  Start();
  test_->RequestTimer.set_interval(0);
  test_->RequestTimer.Enable();
  RunFor(0.5);
  EXPECT_TRUE(ticks_.empty());
  EXPECT_TRUE(test_->RequestTimer.enabled());
}

TEST_F(TimerTest, DisablingStopsIt) {
  Start();
  test_->RequestTimer.Enable();
  RunFor(0.25);
  test_->RequestTimer.Disable();
  RunFor(1);
  EXPECT_EQ(ticks_.size(), 2u);
}

TEST_F(TimerTest, ATimerEnabledBeforeLoadStartsWithTheWindowAndLoadsNothing) {
  test_->RequestTimer.Enable();
  RunFor(0.5);
  EXPECT_FALSE(test_->form.is_loaded());
  EXPECT_TRUE(ticks_.empty());
  Start();
  RunFor(0.15);
  EXPECT_THAT(ticks_, ::testing::ElementsAre(About(0.1)));
}

TEST_F(TimerTest, TimersEachFireOnTheirOwnInterval) {
  Start();
  test_->RequestTimer.Enable();
  test_->ChatTimer.Enable();
  RunFor(10.05);
  EXPECT_EQ(ticks_.size(), 100u);
  EXPECT_EQ(test_->CountOf("ChatTimer_Timer"), 2);
}

TEST_F(TimerTest, UnloadingStopsTheTimers) {
  Start();
  test_->RequestTimer.Enable();
  RunFor(0.15);
  test_->form.Unload();
  RunFor(1);
  EXPECT_EQ(ticks_.size(), 1u);
  EXPECT_FALSE(test_->RequestTimer.running());
}

TEST_F(TimerTest, AHandlerThatWaitsIsNotEnteredAgainFromItsOwnWait) {
  int depth = 0;
  int deepest = 0;
  int entered = 0;
  test_->RequestTimer.on_timer = [&] {
    ++entered;
    deepest = std::max(deepest, ++depth);
    WaitAtLeastSeconds(ws_, 0.5);
    --depth;
  };
  Start();
  test_->ChatTimer.set_interval(200);
  test_->RequestTimer.Enable();
  test_->ChatTimer.Enable();
  RunFor(2.05);
  EXPECT_EQ(deepest, 1);
  // Each tick waits half a second; the ticks due meanwhile collapse into the next one.
  EXPECT_GE(entered, 3);
  EXPECT_LE(entered, 4);
  // Other timers keep firing inside the wait.
  EXPECT_GE(test_->CountOf("ChatTimer_Timer"), 9);
}

TEST_F(TimerTest, ATimerThatDisablesItselfFiresOnce) {
  test_->RequestTimer.on_timer = [this] {
    ticks_.push_back(clock_.Now() - start_);
    test_->RequestTimer.Disable();
  };
  Start();
  test_->RequestTimer.Enable();
  RunFor(1);
  EXPECT_EQ(ticks_.size(), 1u);
}

}  // namespace
}  // namespace ui::testing
