#include "aol_automation/vornik32_mail.h"

#include "aol_automation/mail_layout.h"
#include "aol_automation/mail_steps.h"

namespace vornik32 {

Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return OpenMailboxWith(ws, kAol5MailLayout, bounds);
}

MailResult ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                       int position, CloseAfter close_after, const WaitBounds& bounds) {
  return ForwardMailWith(ws, kAol5MailLayout, recipient, note, position, close_after, bounds);
}

MailResult SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                    std::string_view body, const WaitBounds& bounds) {
  return SendMailWith(ws, kAol5MailLayout, recipient, subject, body, bounds);
}

MailResult SendMailAndWait(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view subject, std::string_view body, double resend_pause,
                           const WaitBounds& bounds) {
  return SendMailAndWaitWith(ws, kAol5MailLayout, recipient, subject, body, resend_pause, bounds);
}

Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds) {
  return RunFlashSessionWith(ws, kAol5MailLayout, final_state, bounds);
}

Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return SetMailPreferencesWith(ws, kAol5MailLayout, bounds);
}

}  // namespace vornik32
