#pragma once
// Instant messages through the client's "Send Instant Message" window, and switching their
// delivery off and on.

#include <string_view>

#include "aol_automation/wait_bounds.h"

namespace vornik32 {

enum class CloseAfter { kNo, kYes };

// Opens a new instant message (toolbar button 10, sixth item), fills recipient and message, clicks
// Send and waits for the conversation window or the client's refusal. A refusal is dismissed and
// the new message window closed; otherwise, with CloseAfter::kYes, the conversation is closed.
Outcome SendInstantMessage(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view message, CloseAfter close_after,
                           const WaitBounds& bounds = {});

// The client takes a blank message to these two pseudo screen names as the commands that stop
// and resume the delivery of instant messages to the user.
Outcome InstantMessagesOff(winsys::WindowSystem& ws, const WaitBounds& bounds = {});
Outcome InstantMessagesOn(winsys::WindowSystem& ws, const WaitBounds& bounds = {});

}  // namespace vornik32
