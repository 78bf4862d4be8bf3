#pragma once
// The per-window state of one standard control class, kept by the class's procedure rather than
// in GWLP_USERDATA. Win32 controls keep theirs in window extra bytes and leave GWLP_USERDATA to
// the application; here too the slot stays free for the program, its subclasses and the stand-in
// client's superclasses, and states still held when the desktop goes away are freed with the
// class instead of leaking.
//
// States are shared pointers so that a handler keeps its state alive while a notification it
// sends lets the parent destroy the control.

#include <memory>
#include <unordered_map>

#include "shared/winsys/types.h"

namespace winsys::sim {

template <typename State>
class ControlStateTable {
 public:
  // The window's state, made on first use (WM_CREATE, or the first message a superclass passes on
  // when it kept WM_CREATE to itself). created tells whether it was made now.
  std::shared_ptr<State> Get(HWND window, bool* created = nullptr) {
    // Messages mostly come in runs to one control (a list filled entry by entry).
    if (window == last_window_ && window != kNoWindow) {
      if (created != nullptr) *created = false;
      return last_state_;
    }
    auto [it, inserted] = states_.try_emplace(window);
    if (inserted) it->second = std::make_shared<State>();
    if (created != nullptr) *created = inserted;
    last_window_ = window;
    last_state_ = it->second;
    return it->second;
  }

  // Forgets the window (WM_NCDESTROY).
  void Forget(HWND window) {
    states_.erase(window);
    if (window == last_window_) {
      last_window_ = kNoWindow;
      last_state_.reset();
    }
  }

 private:
  std::unordered_map<HWND, std::shared_ptr<State>> states_;
  HWND last_window_ = kNoWindow;
  std::shared_ptr<State> last_state_;
};

}  // namespace winsys::sim
