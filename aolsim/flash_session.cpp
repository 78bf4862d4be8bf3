#include "aolsim/flash_session.h"

#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kSteps = 4;

}  // namespace

StatusWindow::StatusWindow(ClientContext& context, WindowKind kind, std::string_view text)
    : ClientWindow(context, kind) {
  CreateContentWindow(kStatusCaption);
  view_ = AddControl(classes::kView);
  SetText(view_, text);
  AddControl(classes::kStatic, "Please wait");
  AttachIcon(AddControl(classes::kIcon, "Cancel"), [this] { CloseSoon(); });
}

FlashSession::FlashSession(ClientContext& context, winsys::HWND view,
                           std::function<void(int filed)> done)
    : context_(context), timers_(context.timers), view_(view), done_(std::move(done)) {
  const double duration = context_.settings.DelayOf(Delay::kFlash).value_or(kFlashSessionSeconds);
  Append("Automatic AOL session started.");
  for (int step = 1; step <= kSteps; ++step) {
    timers_.After(duration * step / kSteps, [this, step] { Step(step); });
  }
}

void FlashSession::Step(int step) {
  switch (step) {
    case 1:
      Append("Signing on " + context_.screen_name + "...");
      break;
    case 2:
      Append("Retrieving unread mail...");
      break;
    case 3:
      Append(std::to_string(context_.mail.new_mail().size()) + " new mail(s) to retrieve.");
      if (context_.settings.Has(Fault::kFlashStuck)) timers_.CancelAll();
      break;
    default: {
      const int filed = context_.mail.FileNewMail();
      Append(std::to_string(filed) + " mail(s) filed in Incoming/Saved Mail.");
      Append(kSessionFinished);
      running_ = false;
      done_(filed);
      break;
    }
  }
}

void FlashSession::Append(const std::string& line) {
  if (!text_.empty()) text_ += "\r\n";
  text_ += line;
  if (!context_.ws.IsWindow(view_)) return;
  context_.ws.SendMessage(view_, winsys::WM_SETTEXT, 0,
                          reinterpret_cast<winsys::LPARAM>(text_.c_str()));
}

}  // namespace aolsim
