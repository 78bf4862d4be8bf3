#pragma once
// The steps of the five mail operations, shared by both client layouts; the units' variants
// (vornik32_mail.h, aol432_mail.h, client_mail.h) pass the numbers of their layout.

#include <optional>
#include <string>
#include <string_view>

#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/mail_layout.h"
#include "aol_automation/mail_result.h"
#include "aol_automation/meant_mail.h"
#include "aol_automation/wait_bounds.h"

namespace vornik32 {

Outcome OpenMailboxWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        const WaitBounds& bounds);
MailResult ForwardMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                           std::string_view recipient, std::string_view note, int position,
                           CloseAfter close_after, const WaitBounds& bounds);
// The mail meant, wherever it stands now: the open mail and the forward window must show its
// subject, or nothing is sent.
MailResult ForwardMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                           std::string_view recipient, std::string_view note,
                           const MeantMail& meant, CloseAfter close_after,
                           const WaitBounds& bounds);
MailResult SendMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        std::string_view recipient, std::string_view subject, std::string_view body,
                        const WaitBounds& bounds);
MailResult SendMailAndWaitWith(winsys::WindowSystem& ws, const MailLayout& layout,
                               std::string_view recipient, std::string_view subject,
                               std::string_view body, double resend_pause,
                               const WaitBounds& bounds);
Outcome RunFlashSessionWith(winsys::WindowSystem& ws, const MailLayout& layout, Check final_state,
                            const WaitBounds& bounds);
// Whether a Write Mail holds no text in its recipient, subject and body, as the client opens one
// for a click; one that holds text, or does not answer, is not taken for the program's.
bool IsEmptyWriteMail(winsys::WindowSystem& ws, winsys::HWND window);
// The subject of the stored mail a forward window shows (its subject field without the client's
// "Fwd: "), or nothing when the client did not answer.
std::optional<std::string> ForwardedMailSubject(winsys::WindowSystem& ws, winsys::HWND forward);

Outcome SetMailPreferencesWith(winsys::WindowSystem& ws, const MailLayout& layout,
                               const WaitBounds& bounds);

}  // namespace vornik32
