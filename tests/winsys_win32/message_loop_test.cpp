// The program's message loop on the real window system, with input a person gives: the platform
// queues keyboard and mouse input apart from posted messages and hands it out after them.

#include <gtest/gtest.h>

#include <cstdint>

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

namespace {

constexpr const char* kTargetClass = "Mouse Target";
constexpr int kRoundsToSettle = 20;

// Nothing the loop left behind would end the program's wait for work at once.
bool NothingWakesTheWait() {
  return ::MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
         WAIT_TIMEOUT;
}

void MoveTheMouseTo(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

// A loop that handed the mouse out only after its own end-of-round marker never handed it out
// at all: each round's marker came first again. The clicks went unanswered, and the waiting
// input ended every wait for work at once, so the idle program spun a processor.
TEST(MessageLoopTest, MouseInputReachesItsWindowAndLeavesTheWaitNothingToWakeFor) {
  winsys::win32::Win32WindowSystem ws;
  int mouse_moves = 0;
  ws.RegisterClass(kTargetClass, [&](winsys::HWND window, winsys::UINT message,
                                     winsys::WPARAM wparam, winsys::LPARAM lparam) {
    if (message == WM_MOUSEMOVE) ++mouse_moves;
    return ws.DefWindowProc(window, message, wparam, lparam);
  });
  winsys::CreateParams params;
  params.class_name = kTargetClass;
  params.style = kTargetStyle;
  params.rect = winsys::Rect{100, 100, 300, 300};
  const winsys::HWND target = ws.CreateWindow(params);
  ASSERT_NE(target, winsys::kNoWindow);
  ::SetWindowPos(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(target)), HWND_TOPMOST, 0, 0, 0,
                 0, SWP_NOMOVE | SWP_NOSIZE);
  for (int i = 0; i < kRoundsToSettle && !NothingWakesTheWait(); ++i) ws.DoEvents();
  mouse_moves = 0;

  MoveTheMouseTo(150, 150);
  MoveTheMouseTo(200, 200);
  for (int i = 0; i < kRoundsToSettle && (mouse_moves == 0 || !NothingWakesTheWait()); ++i) {
    ws.DoEvents();
  }

  EXPECT_GE(mouse_moves, 1);
  EXPECT_TRUE(NothingWakesTheWait());
  ws.DestroyWindow(target);
}

}  // namespace
