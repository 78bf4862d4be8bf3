#include "aol_automation/late_window_sweeper.h"

#include <algorithm>

#include "aol_automation/mail_steps.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {
namespace {

bool Known(const LateWindows& owed, winsys::HWND window) {
  return std::find(owed.known.begin(), owed.known.end(), window) != owed.known.end();
}

}  // namespace

void LateWindowSweeper::Watch(const MailResult& result) {
  if (result.late.any()) owed_.push_back(result.late);
}

void LateWindowSweeper::CloseArrived(winsys::WindowSystem& ws) {
  const double now = ws.clock().Now();
  std::erase_if(owed_,
                [now](const LateWindows& owed) { return now - owed.asked_at > kOwedSeconds; });
  if (owed_.empty()) return;
  CloseOwedWindows(ws);
  std::erase_if(owed_, [](const LateWindows& owed) { return !owed.any(); });
}

// One walk over the content windows serves every entry: this runs on every serving tick, while
// something is owed nearly all the time, and the walk grows with the windows a person keeps open.
// A window is probed for a shape only when an entry waits for a window of that shape; an open
// mail's caption is looked at first, as it rules out nearly every window for less than a probe.
// The shapes are looked at without yielding: this runs between operations, and a yield would let
// time pass where a client that behaves never cost any.
void LateWindowSweeper::CloseOwedWindows(winsys::WindowSystem& ws) {
  for (const winsys::HWND window : ContentWindows(ws, nullptr)) {
    if (TakeOwedWriteMail(ws, window)) continue;
    LateWindows* owed = Owes(&LateWindows::open_mails)
                            ? OwedTo(&LateWindows::open_mails, window, ws.GetWindowText(window))
                            : nullptr;
    if (owed != nullptr && HasShape(ws, window, kReadMailShape)) {
      Take(*owed, &LateWindows::open_mails, ws, window);
      continue;
    }
    if (!Owes(&LateWindows::forwards) || !HasShape(ws, window, kComposeShape)) continue;
    owed = OwedTo(&LateWindows::forwards, window, ForwardedMailSubject(ws, window));
    if (owed != nullptr) Take(*owed, &LateWindows::forwards, ws, window);
  }
}

// A Write Mail has no subject of the operation's to show: the one owed is empty when it comes.
bool LateWindowSweeper::TakeOwedWriteMail(winsys::WindowSystem& ws, winsys::HWND window) {
  if (!Owes(&LateWindows::write_mails) || ws.GetWindowText(window) != kWriteMailCaption) {
    return false;
  }
  LateWindows* owed = OwedTo(&LateWindows::write_mails, window, std::string());
  if (owed == nullptr || !IsEmptyWriteMail(ws, window)) return false;
  Take(*owed, &LateWindows::write_mails, ws, window);
  return true;
}

bool LateWindowSweeper::Owes(int LateWindows::*kind) const {
  return std::any_of(owed_.begin(), owed_.end(),
                     [kind](const LateWindows& owed) { return owed.*kind > 0; });
}

// The oldest entry that waits for a window of this kind showing the subject, and had not seen
// this one during its operation.
LateWindows* LateWindowSweeper::OwedTo(int LateWindows::*kind, winsys::HWND window,
                                       const std::optional<std::string>& subject) {
  for (LateWindows& owed : owed_) {
    if (owed.*kind > 0 && !Known(owed, window) && subject == owed.subject) return &owed;
  }
  return nullptr;
}

void LateWindowSweeper::Take(LateWindows& owed, int LateWindows::*kind, winsys::WindowSystem& ws,
                             winsys::HWND window) {
  owed.known.push_back(window);
  --(owed.*kind);
  CloseWindow(ws, window);
}

}  // namespace vornik32
