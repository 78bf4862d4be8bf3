#include "winsys/desktop_fixture.h"

namespace winsys::testing {

std::string MessageName(UINT message) {
  static const std::map<UINT, std::string> kNames = {
      {WM_CREATE, "WM_CREATE"},
      {WM_DESTROY, "WM_DESTROY"},
      {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"},
      {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"},
      {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
      {WM_CLOSE, "WM_CLOSE"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"},
      {WM_COMMAND, "WM_COMMAND"},
      {WM_TIMER, "WM_TIMER"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_MDIACTIVATE, "WM_MDIACTIVATE"},
  };
  const auto found = kNames.find(message);
  if (found != kNames.end()) return found->second;
  if (message >= WM_USER) return "WM_USER+" + std::to_string(message - WM_USER);
  return std::to_string(message);
}

#ifdef TOLLMERE_WIN32_DESKTOP
DesktopTest::DesktopTest() : app_(real_), other_(real_) {
  app_.RegisterClass(kRecorderClass, RecorderFor(app_));
}
#else
DesktopTest::DesktopTest()
    : app_(desktop_.CreateProcess("app")), other_(desktop_.CreateProcess("other")) {
  app_.RegisterClass(kRecorderClass, RecorderFor(app_));
  other_.RegisterClass(kRecorderClass, RecorderFor(other_));
  // A test that would wait forever fails within an hour of virtual time.
  desktop_.SetWatchdog(3600);
}
#endif

WindowProc DesktopTest::RecorderFor(WindowSystem& ws) {
  return [this, &ws](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    // The name is known before WM_CREATE arrives, so creation messages are named too.
    if (names_.count(window) == 0 && !pending_name_.empty()) names_[window] = pending_name_;
    log_.push_back(Recorded{window, message, wparam, lparam});
    for (const HWND key : {window, kNoWindow}) {
      const auto found = handlers_.find({key, message});
      if (found != handlers_.end()) return found->second(window, wparam, lparam);
    }
    return ws.DefWindowProc(window, message, wparam, lparam);
  };
}

HWND DesktopTest::Make(WindowSystem& ws, const std::string& name, DWORD style, HWND parent,
                       int control_id, const std::string& caption) {
  CreateParams params;
  params.class_name = kRecorderClass;
  params.caption = caption;
  params.style = style;
  params.parent = parent;
  params.control_id = control_id;
  params.rect = Rect{10, 10, 110, 60};
  pending_name_ = name;
  const HWND window = ws.CreateWindow(params);
  pending_name_.clear();
  if (window != kNoWindow) names_[window] = name;
  return window;
}

std::string DesktopTest::NameOf(HWND window) const {
  if (window == kNoWindow) return "0";
  const auto found = names_.find(window);
  return found == names_.end() ? "?" : found->second;
}

std::vector<std::string> DesktopTest::Sequence(const std::vector<UINT>& messages) const {
  std::vector<std::string> sequence;
  for (const Recorded& entry : log_) {
    for (UINT message : messages) {
      if (entry.message == message) {
        sequence.push_back(NameOf(entry.window) + ":" + MessageName(message));
      }
    }
  }
  return sequence;
}

std::vector<std::string> DesktopTest::SequenceWithWParam(const std::vector<UINT>& messages) const {
  std::vector<std::string> sequence;
  for (const Recorded& entry : log_) {
    for (UINT message : messages) {
      if (entry.message == message) {
        sequence.push_back(NameOf(entry.window) + ":" + MessageName(message) + "(" +
                           std::to_string(entry.wparam) + ")");
      }
    }
  }
  return sequence;
}

int DesktopTest::CountOf(HWND window, UINT message) const {
  int count = 0;
  for (const Recorded& entry : log_) {
    if (entry.window == window && entry.message == message) ++count;
  }
  return count;
}

}  // namespace winsys::testing

#ifdef TOLLMERE_WIN32_DESKTOP
#include <windows.h>  // after the suite's own names, which its macros would rename

// Wine reads what it keeps reserved without access as zeros: below 0x20000000 and from 0x7F000000
// in a 32-bit process, below 0x68000000 in a 64-bit one. A region between, reserved and released,
// is the system's again, and a read there fails on Windows and Wine alike.
std::uint32_t winsys::testing::DesktopTest::NothingThere() {
  for (std::uintptr_t place = 0x7000'0000; place >= 0x6800'0000; place -= 0x10'0000) {
    void* region =
        ::VirtualAlloc(reinterpret_cast<void*>(place), 0x1'0000, MEM_RESERVE, PAGE_NOACCESS);
    if (region != nullptr && ::VirtualFree(region, 0, MEM_RELEASE))
      return static_cast<std::uint32_t>(place);
  }
  return 0;
}
#else
std::uint32_t winsys::testing::DesktopTest::NothingThere() {
  return 0xA000'0000;
}
#endif
