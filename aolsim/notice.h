#pragma once
// The client's message boxes: top-level "#32770" windows captioned "America Online" with a
// "Static" text and "Button" children. A button is pressed by WM_LBUTTONDOWN then WM_LBUTTONUP
// (sent or posted), by WM_KEYDOWN then WM_KEYUP with VK_SPACE, or by BM_CLICK; the box then
// closes and the button's action runs. WM_CLOSE answers with the last button.

#include <functional>
#include <string>
#include <vector>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kNoticeCaption = "America Online";

struct NoticeButton {
  std::string caption;
  std::function<void()> action;
};

class Notice : public ClientWindow {
 public:
  Notice(ClientContext& context, WindowKind kind, std::string_view text,
         std::vector<NoticeButton> buttons);

  bool Answered() const { return answered_; }

 private:
  void AttachButton(winsys::HWND button, std::size_t index);
  void Press(std::size_t index);

  std::vector<NoticeButton> buttons_;
  std::vector<winsys::HWND> button_windows_;
  bool answered_ = false;
};

}  // namespace aolsim
