#include "winsys_sim/sim_fixture.h"

#include <algorithm>

namespace winsys::sim::testing {

SimFixture::SimFixture() : desktop_(clock_), app_(desktop_.CreateProcess("app")) {
  desktop_.SetWatchdog(kWatchdogSeconds);
  app_.RegisterClass(
      kRecorderClass, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
        if (message == WM_COMMAND) {
          const Notification notification{static_cast<int>(LowWord(wparam)), HighWord(wparam),
                                          static_cast<HWND>(lparam), window};
          notifications_.push_back(notification);
          if (on_command_) on_command_(notification);
          return 0;
        }
        return app_.DefWindowProc(window, message, wparam, lparam);
      });
  form_ = CreateRecorder("Test form");
}

HWND SimFixture::CreateRecorder(std::string_view caption, HWND owner) {
  CreateParams params;
  params.class_name = kRecorderClass;
  params.caption = std::string(caption);
  params.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  params.parent = owner;
  params.rect = Rect{100, 100, 500, 400};
  return app_.CreateWindow(params);
}

HWND SimFixture::CreateControl(std::string_view class_name, std::string_view caption, DWORD style,
                               int control_id, HWND parent) {
  CreateParams params;
  params.class_name = std::string(class_name);
  params.caption = std::string(caption);
  params.style = WS_CHILD | WS_VISIBLE | style;
  params.parent = parent != kNoWindow ? parent : form_;
  params.rect = Rect{10, 10, 210, 40};
  params.control_id = control_id;
  return app_.CreateWindow(params);
}

std::string SimFixture::TextOf(HWND window) {
  const LRESULT length = Send(window, WM_GETTEXTLENGTH);
  std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  const LRESULT copied =
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

int SimFixture::CountOf(UINT code, HWND control) const {
  return static_cast<int>(std::count_if(
      notifications_.begin(), notifications_.end(), [&](const Notification& notification) {
        return notification.code == code &&
               (control == kNoWindow || notification.control == control);
      }));
}

void SimFixture::AnswerModals(std::function<void(const ModalInfo&)> act) {
  if (answerer_) {
    answerer_->set_answer(std::move(act));
  } else {
    answerer_ = std::make_unique<ModalAnswerer>(desktop_, std::move(act));
  }
}

}  // namespace winsys::sim::testing
