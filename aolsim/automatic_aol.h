#pragma once
// The Automatic AOL window (six "_AOL_Checkbox"; its 2nd "_AOL_Icon" starts) and the dialog that
// follows it: a top-level "_AOL_Modal" with one check box and one icon, made hidden and shown a
// moment later, whose icon begins the flash session.

#include <functional>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kAutomaticAolCaption = "Automatic AOL";
inline constexpr const char* kFlashDialogCaption = "Run Automatic AOL Now";
inline constexpr int kAutomaticAolCheckboxes = 6;
inline constexpr int kAutomaticAolStartIcon = 2;

class AutomaticAolWindow : public ClientWindow {
 public:
  AutomaticAolWindow(ClientContext& context, std::function<void()> start);
  // The six check boxes, in order, checked or not.
  std::vector<bool> Choices() const;

 private:
  std::vector<winsys::HWND> checkboxes_;
  std::function<void()> start_;
};

class FlashDialog : public ClientWindow {
 public:
  // begin receives the state of the dialog's check box.
  FlashDialog(ClientContext& context, std::function<void(bool checked)> begin);

 private:
  winsys::HWND checkbox_ = winsys::kNoWindow;
  std::function<void(bool)> begin_;
  bool begun_ = false;
};

}  // namespace aolsim
