#pragma once
// The mail operations of the layout the client shows: each asks aol432::IsAOL5 at the call and
// runs that layout's steps.

#include <string_view>

#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/mail_result.h"
#include "aol_automation/meant_mail.h"
#include "aol_automation/wait_bounds.h"

namespace vornik32 {

Outcome OpenMailboxForClient(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
MailResult ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                std::string_view note, int position, CloseAfter close_after,
                                const WaitBounds& bounds = {});
MailResult ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                std::string_view note, const MeantMail& meant,
                                CloseAfter close_after, const WaitBounds& bounds = {});
MailResult SendMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                             std::string_view subject, std::string_view body,
                             const WaitBounds& bounds = {});
MailResult SendMailAndWaitForClient(winsys::WindowSystem& ws, std::string_view recipient,
                                    std::string_view subject, std::string_view body,
                                    double resend_pause, const WaitBounds& bounds = {});
Outcome RunFlashSessionForClient(winsys::WindowSystem& ws, Check final_state,
                                 const WaitBounds& bounds = {});
Outcome SetMailPreferencesForClient(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace vornik32
