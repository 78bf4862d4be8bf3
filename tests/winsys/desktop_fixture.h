#pragma once
// A desktop of two programs ("app" and "other") on the virtual clock, with a window class in each
// that records every message it gets and lets a test answer chosen messages itself. The suite
// speaks only WindowSystem to them; the SimDesktop is used to make the processes and the clock.
//
// Built with TOLLMERE_WIN32_DESKTOP, the same cases run on the real window system (under Wine):
// there both names are this one process's view, on the real clock, and the cases that need two
// programs say so with SkipUnlessTwoPrograms().

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shared/winsys/window_system.h"
#ifdef TOLLMERE_WIN32_DESKTOP
#include "shared/winsys/win32/win32_window_system.h"
#else
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#endif

namespace winsys::testing {

inline constexpr const char* kRecorderClass = "Recorder";

struct Recorded {
  HWND window = kNoWindow;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
};

std::string MessageName(UINT message);

class DesktopTest : public ::testing::Test {
 protected:
  using Handler = std::function<LRESULT(HWND, WPARAM, LPARAM)>;

  DesktopTest();

#ifdef TOLLMERE_WIN32_DESKTOP
  static constexpr bool kTwoPrograms = false;
  static constexpr bool kSimulated = false;
#else
  static constexpr bool kTwoPrograms = true;
  // What only the simulated desktop can promise: what lies before a program's first allocation,
  // the order of top-level windows without a window manager.
  static constexpr bool kSimulated = true;
#endif

  // A window of the recorder class; name is how the logs call it.
  HWND Make(WindowSystem& ws, const std::string& name, DWORD style = 0, HWND parent = kNoWindow,
            int control_id = 0, const std::string& caption = "");
  HWND MakeChild(WindowSystem& ws, const std::string& name, HWND parent, int control_id = 0,
                 const std::string& caption = "") {
    return Make(ws, name, WS_CHILD | WS_VISIBLE, parent, control_id, caption);
  }
  // Answers message for window (0: every window) instead of DefWindowProc.
  void On(HWND window, UINT message, Handler handler) {
    handlers_[{window, message}] = std::move(handler);
  }

  // The recorded messages of the given kinds, as "name:MESSAGE", oldest first.
  std::vector<std::string> Sequence(const std::vector<UINT>& messages) const;
  // Like Sequence, with the wparam: "name:MESSAGE(wparam)".
  std::vector<std::string> SequenceWithWParam(const std::vector<UINT>& messages) const;
  void ClearLog() {
    log_.clear();
  }
  const std::vector<Recorded>& log() const {
    return log_;
  }
  std::string NameOf(HWND window) const;
  int CountOf(HWND window, UINT message) const;
  // An address where the other program surely has nothing (0: none found).
  std::uint32_t NothingThere();

#ifdef TOLLMERE_WIN32_DESKTOP
  win32::Win32WindowSystem real_;
#else
  sim::VirtualClock clock_;
  sim::SimDesktop desktop_{clock_};
#endif
  WindowSystem& app_;
  WindowSystem& other_;

 private:
  WindowProc RecorderFor(WindowSystem& ws);

  std::vector<Recorded> log_;
  std::map<HWND, std::string> names_;
  std::map<std::pair<HWND, UINT>, Handler> handlers_;
  std::string pending_name_;
};

// For a case that needs the window of a second program: skipped where the suite runs in one.
#define SKIP_UNLESS_TWO_PROGRAMS() \
  if (!kTwoPrograms) GTEST_SKIP() << "needs a second program"

}  // namespace winsys::testing
