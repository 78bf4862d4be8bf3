// The program's message loop on the real window system, with input a person gives: the platform
// queues keyboard and mouse input apart from posted messages and hands it out after them.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "shared/winsys/win32/win32_window_system.h"

namespace {

// Named before the platform's headers, whose macros take these names.
constexpr winsys::DWORD kTargetStyle = winsys::WS_POPUP | winsys::WS_VISIBLE;

}  // namespace

// clang-format off
#include <windows.h>
// clang-format on
#undef CreateWindow
#undef DefWindowProc
#undef RegisterClass

#include "winsys_win32/person_input.h"

namespace {

using winsys::win32::testing::MoveTheMouseTo;
using winsys::win32::testing::Real;

constexpr const char* kTargetClass = "Loop Target";
constexpr int kRoundsToSettle = 20;

// Nothing the loop left behind would end the program's wait for work at once.
bool NothingWakesTheWait() {
  return ::MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
         WAIT_TIMEOUT;
}

// A visible window of this program's that counts what it is given.
class MessageLoopTest : public ::testing::Test {
 protected:
  MessageLoopTest() {
    ws_.RegisterClass(kTargetClass, [this](winsys::HWND window, winsys::UINT message,
                                           winsys::WPARAM wparam, winsys::LPARAM lparam) {
      ++received_[message];
      return ws_.DefWindowProc(window, message, wparam, lparam);
    });
    winsys::CreateParams params;
    params.class_name = kTargetClass;
    params.style = kTargetStyle;
    params.rect = winsys::Rect{100, 100, 300, 300};
    target_ = ws_.CreateWindow(params);
    ::SetWindowPos(Real(target_), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int i = 0; i < kRoundsToSettle && !NothingWakesTheWait(); ++i) ws_.DoEvents();
    received_.clear();
  }
  ~MessageLoopTest() override { ws_.DestroyWindow(target_); }

  int Received(UINT message) { return received_[message]; }
  // Rounds until the window has had the message and nothing is left to end the wait for work.
  void RunRoundsUntilReceived(UINT message) {
    for (int i = 0; i < kRoundsToSettle && (Received(message) == 0 || !NothingWakesTheWait());
         ++i) {
      ws_.DoEvents();
    }
  }

  winsys::win32::Win32WindowSystem ws_;
  winsys::HWND target_ = winsys::kNoWindow;
  std::map<UINT, int> received_;
};

// A loop that handed the mouse out only after its own end-of-round marker never handed it out
// at all: each round's marker came first again. The clicks went unanswered, and the waiting
// input ended every wait for work at once, so the idle program spun a processor.
TEST_F(MessageLoopTest, MouseInputReachesItsWindowAndLeavesTheWaitNothingToWakeFor) {
  ASSERT_NE(target_, winsys::kNoWindow);
  MoveTheMouseTo(POINT{150, 150});
  MoveTheMouseTo(POINT{200, 200});
  RunRoundsUntilReceived(WM_MOUSEMOVE);
  EXPECT_GE(Received(WM_MOUSEMOVE), 1);
  EXPECT_TRUE(NothingWakesTheWait());
}

// The round looks only for the kinds of message the queue says wait: painting must be among them.
TEST_F(MessageLoopTest, AWindowMadeInvalidIsPaintedAndLeavesTheWaitNothingToWakeFor) {
  ASSERT_NE(target_, winsys::kNoWindow);
  ::InvalidateRect(Real(target_), nullptr, TRUE);
  ws_.DoEvents();
  EXPECT_EQ(Received(WM_PAINT), 1);
  EXPECT_TRUE(NothingWakesTheWait());
}

}  // namespace
