#pragma once
// A simulated desktop on a virtual clock with one process ("app") and a visible top-level window
// that records the WM_COMMAND notifications its controls send, for the tests of the standard
// controls and dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/sim/modal_answerer.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace winsys::sim::testing {

struct Notification {
  int id = 0;
  UINT code = 0;
  HWND control = kNoWindow;
  HWND to = kNoWindow;
  bool operator==(const Notification&) const = default;
};

class SimFixture : public ::testing::Test {
 protected:
  static constexpr char kRecorderClass[] = "TestRecorder";
  static constexpr double kWatchdogSeconds = 3600;

  SimFixture();

  // A visible top-level window of the app that records the notifications it gets.
  HWND CreateRecorder(std::string_view caption, HWND owner = kNoWindow);
  // A visible child control of parent (the form, unless told otherwise).
  HWND CreateControl(std::string_view class_name, std::string_view caption, DWORD style,
                     int control_id, HWND parent = kNoWindow);

  LRESULT Send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    return app_.SendMessage(window, message, wparam, lparam);
  }
  LRESULT SendText(HWND window, UINT message, WPARAM wparam, const std::string& text) {
    return app_.SendMessage(window, message, wparam, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // The text through WM_GETTEXTLENGTH and WM_GETTEXT.
  std::string TextOf(HWND window);

  // Notifications the recorders got with this code (from control, when given).
  int CountOf(UINT code, HWND control = kNoWindow) const;

  // Calls act once for each modal window that opens, from an idle hook (as a person would answer
  // it once it is on the screen). Replaces the previous answering hook.
  void AnswerModals(std::function<void(const ModalInfo&)> act);
  // A button of a dialog by its caption.
  HWND ButtonOf(HWND dialog, const char* caption) {
    return app_.FindWindowEx(dialog, kNoWindow, "Button", caption);
  }

  VirtualClock clock_;
  SimDesktop desktop_;
  WindowSystem& app_;
  HWND form_ = kNoWindow;
  std::vector<Notification> notifications_;
  // Called for each WM_COMMAND a recorder gets, after it is recorded.
  std::function<void(const Notification&)> on_command_;

 private:
  std::unique_ptr<ModalAnswerer> answerer_;
};

}  // namespace winsys::sim::testing
