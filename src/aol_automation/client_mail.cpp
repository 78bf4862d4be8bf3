#include "aol_automation/mail_operations.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {

Outcome OpenMailboxForClient(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return aol432::IsAOL5(ws) ? OpenMailbox(ws, bounds) : aol432::OpenMailbox(ws, bounds);
}

MailResult ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                std::string_view note, int position, CloseAfter close_after,
                                const WaitBounds& bounds) {
  return aol432::IsAOL5(ws)
             ? ForwardMail(ws, recipient, note, position, close_after, bounds)
             : aol432::ForwardMail(ws, recipient, note, position, close_after, bounds);
}

MailResult SendMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                             std::string_view subject, std::string_view body,
                             const WaitBounds& bounds) {
  return aol432::IsAOL5(ws) ? SendMail(ws, recipient, subject, body, bounds)
                            : aol432::SendMail(ws, recipient, subject, body, bounds);
}

MailResult SendMailAndWaitForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                    std::string_view subject, std::string_view body,
                                    double resend_pause, const WaitBounds& bounds) {
  return aol432::IsAOL5(ws)
             ? SendMailAndWait(ws, recipient, subject, body, resend_pause, bounds)
             : aol432::SendMailAndWait(ws, recipient, subject, body, resend_pause, bounds);
}

Outcome RunFlashSessionForClient(winsys::WindowSystem& ws, Check final_state,
                                 const WaitBounds& bounds) {
  return aol432::IsAOL5(ws) ? RunFlashSession(ws, final_state, bounds)
                            : aol432::RunFlashSession(ws, final_state, bounds);
}

Outcome SetMailPreferencesForClient(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return aol432::IsAOL5(ws) ? SetMailPreferences(ws, bounds)
                            : aol432::SetMailPreferences(ws, bounds);
}

}  // namespace vornik32
