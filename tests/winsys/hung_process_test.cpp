// A program that stops answering: what a send to it costs the sender, what it answers, and what
// happens to the messages when it wakes. Hanging a program needs a second one, so most cases run
// on the simulated desktop only; what is the same for one program runs on Windows too.

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

constexpr UINT kAsk = WM_USER + 1;
constexpr UINT kTold = WM_USER + 2;
constexpr LRESULT kAnswer = 42;

class HungProcessTest : public DesktopTest {
 protected:
  HungProcessTest() {
    mine_ = Make(app_, "mine");
    theirs_ = Make(other_, "theirs");
    On(kNoWindow, kAsk, [](HWND, WPARAM, LPARAM) { return kAnswer; });
  }

  double Now() { return app_.clock().Now(); }
#ifndef TOLLMERE_WIN32_DESKTOP
  void HangOther(double seconds) {
    desktop_.Hang(other_, seconds);
  }
  // Runs the loop until the clock reaches when.
  void RunUntil(double when) {
    while (Now() < when) {
      app_.DoEvents();
      app_.WaitForWork(when);
    }
    app_.DoEvents();
  }
#endif

  HWND mine_ = kNoWindow;
  HWND theirs_ = kNoWindow;
};

TEST_F(HungProcessTest, AWindowThatIsGoneGivesNoAnswerAndAnAnswerOfZeroIsAnAnswer) {
  On(mine_, kTold, [](HWND, WPARAM, LPARAM) { return LRESULT{0}; });
  EXPECT_EQ(app_.SendMessageAnswered(mine_, kTold, 0, 0), std::optional<LRESULT>(0));
  app_.DestroyWindow(mine_);
  EXPECT_EQ(app_.SendMessageAnswered(mine_, kTold, 0, 0), std::nullopt);
  EXPECT_EQ(app_.SendMessageAnswered(kNoWindow, kTold, 0, 0), std::nullopt);
}

#ifndef TOLLMERE_WIN32_DESKTOP

// How long a send to a program hung for `hang` seconds (since `hung_before` seconds ago) keeps
// the sender, and what it answers.
struct SendCase {
  const char* name;
  double hang;
  double hung_before;  // how long it has hung when the send is made
  std::optional<LRESULT> answered;
  double waited;  // seconds of the sender's time the send took
};

class HungSendTest : public HungProcessTest, public ::testing::WithParamInterface<SendCase> {};

TEST_P(HungSendTest, TheSendWaitsAtMostItsBoundAndGivesUpAtOnceOnAProgramLongHung) {
  const SendCase& c = GetParam();
  HangOther(c.hang);
  clock_.Advance(c.hung_before);
  const double sent_at = Now();
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, kAsk, 0, 0), c.answered);
  EXPECT_NEAR(Now() - sent_at, c.waited, 1e-9);
  EXPECT_EQ(CountOf(theirs_, kAsk), c.answered ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HungSendTest,
    ::testing::Values(SendCase{"wakes_within_the_bound", 2, 0, kAnswer, 2},
                      SendCase{"wakes_just_at_the_bound", 5, 0, kAnswer, 5},
                      SendCase{"sleeps_past_the_bound", 20, 0, std::nullopt, 5},
                      SendCase{"hung_four_seconds_waits_the_rest", 20, 4, std::nullopt, 5},
                      SendCase{"hung_exactly_five_still_waits", 20, 5, std::nullopt, 5},
                      SendCase{"hung_past_five_gives_up_at_once", 20, 6, std::nullopt, 0},
                      SendCase{"not_hung_answers_at_once", 0, 0, kAnswer, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HungProcessTest, APlainSendThatGaveUpReadsZero) {
  HangOther(30);
  EXPECT_EQ(app_.SendMessage(theirs_, kAsk, 0, 0), 0);
  EXPECT_TRUE(desktop_.IsHung(other_));
}

TEST_F(HungProcessTest, TheBoundIsASettingOfTheDesktop) {
  desktop_.SetSendBound(1.5);
  HangOther(30);
  const double sent_at = Now();
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, kAsk, 0, 0), std::nullopt);
  EXPECT_NEAR(Now() - sent_at, 1.5, 1e-9);
}

TEST_F(HungProcessTest, WhatGaveUpIsHandledWhenItWakesBeforeWhatWasPosted) {
  HangOther(30);
  app_.PostMessage(theirs_, kTold, 1, 0);
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, kAsk, 2, 0), std::nullopt);
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, kAsk, 3, 0), std::nullopt);
  RunUntil(29);
  EXPECT_TRUE(SequenceWithWParam({kAsk, kTold}).empty());
  RunUntil(31);
  EXPECT_EQ(SequenceWithWParam({kAsk, kTold}),
            (std::vector<std::string>{"theirs:WM_USER+1(2)", "theirs:WM_USER+1(3)",
                                      "theirs:WM_USER+2(1)"}));
}

TEST_F(HungProcessTest, AnAnswerThatCameTooLateNeverWritesIntoTheSendersBuffer) {
  other_.SetWindowText(theirs_, "a long caption of theirs");
  HangOther(30);
  char buffer[64];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, WM_GETTEXT, sizeof buffer,
                                     reinterpret_cast<LPARAM>(buffer)),
            std::nullopt);
  RunUntil(31);
  EXPECT_EQ(CountOf(theirs_, WM_GETTEXT), 1);
  EXPECT_EQ(buffer[0], '#');
  EXPECT_EQ(buffer[sizeof buffer - 1], '#');
}

TEST_F(HungProcessTest, ATextSentToAHungProgramArrivesWhenItWakes) {
  HangOther(30);
  std::string text = "set while hung";
  EXPECT_EQ(app_.SendMessage(theirs_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())), 0);
  text.assign(text.size(), 'x');  // the sender's copy is gone by the time it wakes
  RunUntil(31);
  EXPECT_EQ(app_.GetWindowText(theirs_), "set while hung");
}

TEST_F(HungProcessTest, ItsPostedMessagesAndTimersWaitAndMissedPeriodsCollapse) {
  other_.SetTimer(theirs_, 7, 1000);
  app_.SetTimer(mine_, 8, 1000);
  HangOther(10);
  app_.PostMessage(theirs_, kTold, 0, 0);
  app_.PostMessage(mine_, kTold, 0, 0);
  RunUntil(9.5);
  EXPECT_EQ(CountOf(theirs_, kTold), 0);
  EXPECT_EQ(CountOf(theirs_, WM_TIMER), 0);
  EXPECT_EQ(CountOf(mine_, kTold), 1);  // the sender's own program goes on
  EXPECT_EQ(CountOf(mine_, WM_TIMER), 9);
  RunUntil(10.5);
  EXPECT_EQ(CountOf(theirs_, kTold), 1);
  EXPECT_EQ(CountOf(theirs_, WM_TIMER), 1);
  RunUntil(11.5);
  EXPECT_EQ(CountOf(theirs_, WM_TIMER), 2);
}

TEST_F(HungProcessTest, AProgramStillAnswersItselfAndAHangIsOnlyLengthened) {
  HangOther(10);
  EXPECT_EQ(other_.SendMessageAnswered(theirs_, kAsk, 0, 0), std::optional<LRESULT>(kAnswer));
  HangOther(2);  // shorter than what is left: changes nothing
  RunUntil(9);
  EXPECT_TRUE(desktop_.IsHung(other_));
  RunUntil(10);
  EXPECT_FALSE(desktop_.IsHung(other_));
  EXPECT_EQ(app_.SendMessageAnswered(theirs_, kAsk, 0, 0), std::optional<LRESULT>(kAnswer));
}

TEST_F(HungProcessTest, AnIdleWaitWakesWhenTheHungProgramDoes) {
  HangOther(10);
  app_.PostMessage(theirs_, kTold, 0, 0);
  app_.WaitForWork(100);
  EXPECT_NEAR(Now(), 10, 1e-9);
  app_.DoEvents();
  EXPECT_EQ(CountOf(theirs_, kTold), 1);
}

#endif

}  // namespace
}  // namespace winsys::testing
