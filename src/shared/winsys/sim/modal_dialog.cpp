#include "shared/winsys/sim/modal_dialog.h"

#include <algorithm>
#include <string>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/dialog_window.h"

namespace winsys::sim {
namespace {

// A dialog belongs to the top-level window of the window it was given, as Win32 makes it.
HWND TopLevelOf(WindowSystem& process, HWND window) {
  while (window != kNoWindow && (StyleOf(process, window) & WS_CHILD) != 0) {
    const HWND parent = process.GetParent(window);
    if (parent == kNoWindow) break;
    window = parent;
  }
  return window;
}

Rect Centred(WindowSystem& process, int width, int height) {
  const int left = std::max(0, (process.GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  const int top = std::max(0, (process.GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  return Rect{left, top, left + width, top + height};
}

}  // namespace

ModalDialog::ModalDialog(SimDesktop& desktop, WindowSystem& process, HWND owner,
                         std::string_view caption, int width, int height)
    : desktop_(desktop), process_(process), owner_(TopLevelOf(process, owner)) {
  if (!process_.IsWindow(owner_)) owner_ = kNoWindow;
  CreateParams params;
  params.class_name = kDialogClass;
  params.caption = std::string(caption);
  params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  params.parent = owner_;
  params.rect = Centred(process_, width, height);
  window_ = process_.CreateWindow(params);
  dialog_procedure_ = process_.SubclassWindow(
      window_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        return Procedure(window, message, wparam, lparam);
      });
}

LRESULT ModalDialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = dialog_procedure_
                             ? dialog_procedure_(window, message, wparam, lparam)
                             : process_.DefWindowProc(window, message, wparam, lparam);
  if (answer_ == 0 && dialog_procedure_ && message != WM_NCDESTROY) {
    answer_ = static_cast<int>(dialog_procedure_(window, kQueryDialogAnswer, 0, 0));
  }
  return result;
}

ModalDialog::~ModalDialog() {
  // Also reached while an exception (the watchdog's) leaves the loop: nothing here may throw.
  try {
    End(0);
  } catch (...) {
  }
}

HWND ModalDialog::AddControl(std::string_view class_name, std::string_view text, DWORD style,
                             int control_id, const Rect& rect) {
  CreateParams params;
  params.class_name = std::string(class_name);
  params.caption = std::string(text);
  params.style = WS_CHILD | WS_VISIBLE | style;
  params.parent = window_;
  params.rect = rect;
  params.control_id = control_id;
  return process_.CreateWindow(params);
}

int ModalDialog::Run(ModalInfo info, HWND focus, int unanswered) {
  if (owner_ != kNoWindow && process_.IsWindowEnabled(owner_)) {
    process_.EnableWindow(owner_, false);
    owner_disabled_ = true;
  }
  process_.ShowWindow(window_, SW_SHOW);
  process_.SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  process_.SetForegroundWindow(window_);
  process_.SetFocus(focus != kNoWindow ? focus : window_);

  info.window = window_;
  info.owner = owner_;
  info.process = desktop_.ProcessIdOf(process_);
  desktop_.BeginModal(info);
  modal_open_ = true;

  RunModalLoop(process_, [this] { return answer_ != 0 || !process_.IsWindow(window_); });
  const int result = answer_ != 0 ? answer_ : unanswered;
  desktop_.EndModal(window_, result);
  modal_open_ = false;
  return result;
}

std::string ModalDialog::ControlText(int control_id) {
  if (!process_.IsWindow(window_)) return {};
  const HWND control = process_.GetDlgItem(window_, control_id);
  return control == kNoWindow ? std::string() : ReadWindowText(process_, control);
}

void ModalDialog::End(int answer) {
  if (modal_open_) {
    modal_open_ = false;
    desktop_.EndModal(window_, answer);
  }
  // The owner takes input again before the dialog goes, so that it is there to be activated.
  if (owner_disabled_) {
    owner_disabled_ = false;
    process_.EnableWindow(owner_, true);
  }
  if (window_ != kNoWindow) {
    process_.DestroyWindow(window_);
    window_ = kNoWindow;
  }
}

}  // namespace winsys::sim
