#pragma once
// One modal "#32770" window of the host toolkit, from its making to its end: the dialog functions
// (message box, input box, file dialogs) lay out its controls and run it. While it runs, its owner
// is disabled and the desktop knows it as the open modal window; however the run ends (answered,
// the window destroyed from outside, the program quitting, or an exception such as the watchdog's
// out of the loop), the modal window is ended, the owner enabled again and the window destroyed.

#include <string>
#include <string_view>

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

class ModalDialog {
 public:
  // A hidden dialog of the calling process, owned by owner's top-level window, centred on the
  // screen.
  ModalDialog(SimDesktop& desktop, WindowSystem& process, HWND owner, std::string_view caption,
              int width, int height);
  ~ModalDialog();
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  HWND window() const { return window_; }
  HWND owner() const { return owner_; }

  // A child control; rect is relative to the dialog.
  HWND AddControl(std::string_view class_name, std::string_view text, DWORD style, int control_id,
                  const Rect& rect);

  // Shows the dialog topmost with the focus on focus, disables the owner, opens it as the modal
  // window described by info (its window, owner and process are filled in here) and runs the
  // modal loop until a button answers it. Answers that button's id, or unanswered when the loop
  // ended without an answer. The window stays until the ModalDialog goes.
  int Run(ModalInfo info, HWND focus, int unanswered);

  // The text of a control of the dialog, read through WM_GETTEXT (empty once the window is gone).
  std::string ControlText(int control_id);

 private:
  void End(int answer);
  // The dialog window's procedure with the answer noted as soon as a message gives one, so that
  // the modal loop can watch for it without sending messages of its own.
  LRESULT Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  SimDesktop& desktop_;
  WindowSystem& process_;
  HWND owner_ = kNoWindow;
  HWND window_ = kNoWindow;
  bool owner_disabled_ = false;
  bool modal_open_ = false;
  WindowProc dialog_procedure_;
  int answer_ = 0;
};

}  // namespace winsys::sim
