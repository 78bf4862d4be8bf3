#include "aol_automation/aol432_mail.h"

#include "aol_automation/mail_layout.h"
#include "aol_automation/mail_steps.h"

namespace aol432 {

Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return vornik32::OpenMailboxWith(ws, vornik32::kAol4MailLayout, bounds);
}

MailResult ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                       int position, CloseAfter close_after, const WaitBounds& bounds) {
  return vornik32::ForwardMailWith(ws, vornik32::kAol4MailLayout, recipient, note, position,
                                   close_after, bounds);
}

MailResult SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                    std::string_view body, const WaitBounds& bounds) {
  return vornik32::SendMailWith(ws, vornik32::kAol4MailLayout, recipient, subject, body, bounds);
}

MailResult SendMailAndWait(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view subject, std::string_view body, double resend_pause,
                           const WaitBounds& bounds) {
  return vornik32::SendMailAndWaitWith(ws, vornik32::kAol4MailLayout, recipient, subject, body,
                                       resend_pause, bounds);
}

Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds) {
  return vornik32::RunFlashSessionWith(ws, vornik32::kAol4MailLayout, final_state, bounds);
}

Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return vornik32::SetMailPreferencesWith(ws, vornik32::kAol4MailLayout, bounds);
}

}  // namespace aol432
