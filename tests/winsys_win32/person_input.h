#pragma once
// What a person's hand gives the program's windows under the real window system, queued as the
// platform queues input, and the platform's handle of a window of the seam. Included after the
// program's headers and <windows.h>, whose macros would rename the program's names.

#include <windows.h>

#include <cstdint>

namespace winsys::win32::testing {

inline ::HWND Real(winsys::HWND window) {
  return reinterpret_cast<::HWND>(static_cast<std::uintptr_t>(window));
}

inline INPUT MouseAt(POINT point, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = point.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = point.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

inline void MoveTheMouseTo(POINT point) {
  INPUT move = MouseAt(point, MOUSEEVENTF_MOVE);
  ::SendInput(1, &move, sizeof(INPUT));
}

inline void ClickAt(POINT point) {
  INPUT inputs[3] = {MouseAt(point, MOUSEEVENTF_MOVE), MouseAt(point, MOUSEEVENTF_LEFTDOWN),
                     MouseAt(point, MOUSEEVENTF_LEFTUP)};
  ::SendInput(3, inputs, sizeof(INPUT));
}

inline void PressKey(WORD key) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace winsys::win32::testing
