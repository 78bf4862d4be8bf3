#pragma once
// The vornik32 unit's mail operations, for the 5.0 layout; aol432_mail.h has the same five for
// the 4.0 layout, and client_mail.h picks the one the client's layout calls for. All share their
// steps (mail_steps.h) and differ only in the layout's numbers (mail_layout.h).
//
// Every wait for the client is bounded by the WaitBounds given; when one runs out the operation
// stops there and answers Outcome::kGaveUp. The two that send answer a MailResult: sent only
// when the window they opened themselves closed after Send; otherwise the step they stopped at,
// having closed the windows they opened. A window they did not open (a person's open mail or
// Write Mail) is never used and never closed.

#include <string_view>

#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/mail_result.h"
#include "aol_automation/wait_bounds.h"

namespace vornik32 {

// Opens "Incoming/Saved Mail" and returns once its list has stopped growing (WaitBounds says for
// how long it must stand still).
Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
// Forwards the mailbox's mail at position (from 0) to recipient with note; expects the mailbox
// open, and gives up at once without it. With CloseAfter::kYes neither the open mail nor the
// forward window is left behind; with CloseAfter::kNo the caller closes them before the next
// forward, since an open mail left on screen would be taken for the one asked for. A position
// past the list's count is waited for as long as the list may still be filling (the bound of a
// whole fill, WaitBounds::mailbox_fills, growing with the count).
// Sent only when the open mail is the one selected (captioned with the subject of the mailbox
// line at position), the forward window came after its own Forward click and shows that subject,
// the client took every field, and the forward window closed by itself after Send. With
// CloseAfter::kNo it returns once Send was clicked (stopped at MailStep::kSend: not seen sent).
MailResult ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                       int position, CloseAfter close_after, const WaitBounds& bounds = {});
// Writes a new mail and clicks Send once; the Write Mail window is left to the client (stopped
// at MailStep::kSend: not seen sent).
MailResult SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                    std::string_view body, const WaitBounds& bounds = {});
// Writes a new mail, clicks Send, and clicks it again every resend_pause seconds until its Write
// Mail window closes: sent when it did; when it will not close within WaitBounds::window_closes
// the window is closed and the mail did not go.
MailResult SendMailAndWait(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view subject, std::string_view body, double resend_pause,
                           const WaitBounds& bounds = {});
// Starts an Automatic AOL session; final_state is the session dialog's first check box. Does not
// wait for the session to end.
Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds = {});
// Sets the two check boxes of "Mail Preferences" and returns once the dialog has closed.
Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace vornik32
