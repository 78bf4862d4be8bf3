#include "aolsim/notice.h"

#include <memory>

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

Notice::Notice(ClientContext& context, WindowKind kind, std::string_view text,
               std::vector<NoticeButton> buttons)
    : ClientWindow(context, kind), buttons_(std::move(buttons)) {
  CreateTopLevel(classes::kDialog, kNoticeCaption, Visibility::kShown);
  AddControl(classes::kStandardStatic, text);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const winsys::DWORD style = i == 0 ? winsys::BS_DEFPUSHBUTTON : winsys::BS_PUSHBUTTON;
    const HWND button = AddControl(classes::kButton, buttons_[i].caption, style);
    button_windows_.push_back(button);
    AttachButton(button, i);
  }
  Attach(hwnd_,
         [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::WM_CLOSE) {
             if (!buttons_.empty()) Press(buttons_.size() - 1);
             return 0;
           }
           if (m == winsys::WM_COMMAND && winsys::HighWord(w) == winsys::BN_CLICKED) {
             const int id = static_cast<int>(winsys::LowWord(w));
             for (std::size_t i = 0; i < button_windows_.size(); ++i) {
               if (ws().GetDlgCtrlID(button_windows_[i]) == id) {
                 Press(i);
                 return 0;
               }
             }
           }
           return next(h, m, w, l);
         });
}

void Notice::AttachButton(HWND button, std::size_t index) {
  auto pressed = std::make_shared<bool>(false);
  Attach(button,
         [this, index, pressed](HWND h, UINT m, WPARAM w, LPARAM l,
                                const winsys::WindowProc& next) -> LRESULT {
           const bool space =
               (m == winsys::WM_KEYDOWN || m == winsys::WM_KEYUP) && w == winsys::VK_SPACE;
           if (m == winsys::WM_LBUTTONDOWN || (space && m == winsys::WM_KEYDOWN)) {
             *pressed = true;
             return 0;
           }
           if (m == winsys::WM_LBUTTONUP || (space && m == winsys::WM_KEYUP)) {
             if (*pressed) {
               *pressed = false;
               Press(index);
             }
             return 0;
           }
           if (m == winsys::BM_CLICK) {
             Press(index);
             return 0;
           }
           return next(h, m, w, l);
         });
}

void Notice::Press(std::size_t index) {
  if (answered_) return;
  answered_ = true;
  const std::function<void()> action = buttons_[index].action;
  Close();
  if (action) action();
}

}  // namespace aolsim
