#include "aol_automation/client_mail.h"

#include "aol_automation/mail_layout.h"
#include "aol_automation/mail_steps.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {
namespace {

// The numbers of the layout the client shows now.
const MailLayout& ClientLayout(winsys::WindowSystem& ws) {
  return aol432::IsAOL5(ws) ? kAol5MailLayout : kAol4MailLayout;
}

}  // namespace

Outcome OpenMailboxForClient(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return OpenMailboxWith(ws, ClientLayout(ws), bounds);
}

MailResult ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                std::string_view note, int position, CloseAfter close_after,
                                const WaitBounds& bounds) {
  return ForwardMailWith(ws, ClientLayout(ws), recipient, note, position, close_after, bounds);
}

MailResult ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                std::string_view note, const MeantMail& meant,
                                CloseAfter close_after, const WaitBounds& bounds) {
  return ForwardMailWith(ws, ClientLayout(ws), recipient, note, meant, close_after, bounds);
}

MailResult SendMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                             std::string_view subject, std::string_view body,
                             const WaitBounds& bounds) {
  return SendMailWith(ws, ClientLayout(ws), recipient, subject, body, bounds);
}

MailResult SendMailAndWaitForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                    std::string_view subject, std::string_view body,
                                    double resend_pause, const WaitBounds& bounds) {
  return SendMailAndWaitWith(ws, ClientLayout(ws), recipient, subject, body, resend_pause, bounds);
}

Outcome RunFlashSessionForClient(winsys::WindowSystem& ws, Check final_state,
                                 const WaitBounds& bounds) {
  return RunFlashSessionWith(ws, ClientLayout(ws), final_state, bounds);
}

Outcome SetMailPreferencesForClient(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return SetMailPreferencesWith(ws, ClientLayout(ws), bounds);
}

}  // namespace vornik32
