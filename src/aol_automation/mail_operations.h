#pragma once
// The five mail operations, one variant per client layout: vornik32 for the 5.0 layout, aol432
// for the 4.0 layout. A caller asks aol432::IsAOL5 right before the call and picks the variant,
// or lets the ...ForClient helpers do both.
//
// Every wait for the client is bounded by the WaitBounds given; when one runs out the operation
// stops there, without touching the client further, and answers Outcome::kGaveUp.

#include <string_view>

#include "aol_automation/client_windows.h"
#include "aol_automation/instant_messages.h"
#include "aol_automation/wait_bounds.h"

namespace vornik32 {

// Opens "Incoming/Saved Mail" and returns once its list has stopped growing.
Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
// Forwards the mailbox's mail at position (from 0) to recipient with note; expects the mailbox
// open, and gives up at once without it. With CloseAfter::kYes neither the open mail nor the
// forward window is left behind; with CloseAfter::kNo the caller closes them before the next
// forward, since an open mail left on screen would be taken for the one asked for.
Outcome ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                    int position, CloseAfter close_after, const WaitBounds& bounds = {});
// Writes a new mail and clicks Send; the Write Mail window is left to the client.
Outcome SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                 std::string_view body, const WaitBounds& bounds = {});
// Starts an Automatic AOL session; final_state is the session dialog's first check box. Does not
// wait for the session to end.
Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds = {});
// Sets the two check boxes of "Mail Preferences" and returns once the dialog has closed.
Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

// The variant that the client's layout calls for, chosen by aol432::IsAOL5 at the call.
Outcome OpenMailboxForClient(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
Outcome ForwardMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                             std::string_view note, int position, CloseAfter close_after,
                             const WaitBounds& bounds = {});
Outcome SendMailForClient(winsys::WindowSystem& ws, std::string_view recipient,
                          std::string_view subject, std::string_view body,
                          const WaitBounds& bounds = {});
Outcome RunFlashSessionForClient(winsys::WindowSystem& ws, Check final_state,
                                 const WaitBounds& bounds = {});
Outcome SetMailPreferencesForClient(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace vornik32

namespace aol432 {

using vornik32::Check;
using vornik32::CloseAfter;
using vornik32::Outcome;
using vornik32::WaitBounds;

Outcome OpenMailbox(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
Outcome ForwardMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view note,
                    int position, CloseAfter close_after, const WaitBounds& bounds = {});
Outcome SendMail(winsys::WindowSystem& ws, std::string_view recipient, std::string_view subject,
                 std::string_view body, const WaitBounds& bounds = {});
Outcome RunFlashSession(winsys::WindowSystem& ws, Check final_state, const WaitBounds& bounds = {});
Outcome SetMailPreferences(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace aol432
