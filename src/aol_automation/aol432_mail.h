#pragma once
// The aol432 unit's mail operations: those of vornik32_mail.h, for the 4.0 layout.

#include <string_view>

#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/mail_result.h"
#include "aol_automation/wait_bounds.h"

namespace aol432 {

using vornik32::Check;
using vornik32::CloseAfter;
using vornik32::MailResult;
using vornik32::Outcome;
using vornik32::WaitBounds;

Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
MailResult ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                       int position, CloseAfter close_after, const WaitBounds& bounds = {});
MailResult SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                    std::string_view body, const WaitBounds& bounds = {});
MailResult SendMailAndWait(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view subject, std::string_view body, double resend_pause,
                           const WaitBounds& bounds = {});
Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds = {});
Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace aol432
