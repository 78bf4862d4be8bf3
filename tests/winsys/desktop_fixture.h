#pragma once
// A desktop of two programs ("app" and "other") on the virtual clock, with a window class in each
// that records every message it gets and lets a test answer chosen messages itself. The suite
// speaks only WindowSystem to them; the SimDesktop is used to make the processes and the clock.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/window_system.h"

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
  void ClearLog() { log_.clear(); }
  const std::vector<Recorded>& log() const { return log_; }
  std::string NameOf(HWND window) const;
  int CountOf(HWND window, UINT message) const;

  sim::VirtualClock clock_;
  sim::SimDesktop desktop_{clock_};
  WindowSystem& app_;
  WindowSystem& other_;

 private:
  WindowProc RecorderFor(WindowSystem& ws);

  std::vector<Recorded> log_;
  std::map<HWND, std::string> names_;
  std::map<std::pair<HWND, UINT>, Handler> handlers_;
  std::string pending_name_;
};

}  // namespace winsys::testing
