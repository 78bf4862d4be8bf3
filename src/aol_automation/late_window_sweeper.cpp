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
  for (LateWindows& owed : owed_) {
    if (now - owed.asked_at <= kOwedSeconds) CloseArrivedFor(ws, owed);
  }
  std::erase_if(owed_, [now](const LateWindows& owed) {
    return !owed.any() || now - owed.asked_at > kOwedSeconds;
  });
}

// The shapes are looked at without yielding: this runs between operations, and a yield would let
// time pass where a client that behaves never cost any.
void LateWindowSweeper::CloseArrivedFor(winsys::WindowSystem& ws, LateWindows& owed) {
  for (const winsys::HWND mail : WindowsOfShape(ws, kReadMailShape)) {
    if (owed.open_mails == 0) break;
    if (Known(owed, mail) || ws.GetWindowText(mail) != owed.subject) continue;
    owed.known.push_back(mail);
    --owed.open_mails;
    CloseWindow(ws, mail);
  }
  for (const winsys::HWND forward : WindowsOfShape(ws, kComposeShape)) {
    if (owed.forwards == 0) break;
    if (Known(owed, forward) || ForwardedMailSubject(ws, forward) != owed.subject) continue;
    owed.known.push_back(forward);
    --owed.forwards;
    CloseWindow(ws, forward);
  }
}

}  // namespace vornik32
