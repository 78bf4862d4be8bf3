#pragma once
// How long the automation waits for the client before it gives up. Every wait for one of the
// client's windows is bounded by one of these, so that a client that never answers (a window that
// never shows, a dialog in the way, a mail that will not send) costs the program a bounded delay
// and never a hang; the message loop keeps running throughout. When a bound runs out the
// operation returns at once, without touching the client further, and says so in its Outcome;
// the callers may ignore it and go on serving.
//
// The defaults are meant for a real client on a slow machine with a large mailbox; tests pass
// their own, short table.

#include <functional>

#include "shared/winsys/window_system.h"

namespace vornik32 {

struct WaitBounds {
  // A popup menu after a click on a toolbar button: the client shows it at once, unless it is busy.
  double popup_menu = 10.0;
  // A content window or dialog after the command that opens it (mailbox, forward window, Write
  // Mail, Automatic AOL, the flash session dialog, Mail Preferences, a new instant message).
  double window_appears = 30.0;
  // A stored mail opened from the mailbox; the client may have to fetch it first.
  double mail_opens = 60.0;
  // The mailbox list to stop growing once it shows: tens of thousands of stored mails at a few
  // hundred lines a second on a slow machine take minutes.
  double mailbox_fills = 300.0;
  // The bound above grows with the count already arrived, at this many lines a second: a list
  // still arriving is not cut short, one that never stops growing still ends.
  double slowest_mailbox_fill = 50.0;
  // How long the mailbox's count must stand still, over answered readings, before the list is
  // taken as complete: a large mailbox pauses for a second or more while it fills.
  double mailbox_settles = 3.0;
  // A window or dialog to go away after the program closed or answered it.
  double window_closes = 30.0;
  // The client's answer to a sent instant message: the conversation window or the refusal.
  double instant_message_answer = 60.0;
  // A flash session to report that it has finished: it files every New Mail into the Flash
  // mailbox, hundreds of them over a slow line.
  double flash_session_ends = 900.0;
  // One message to one of the client's windows: a busy client answers within it; a hung one is
  // given up at once where the window system can tell (and the message answered with 0).
  double message_answer = 5.0;
};

// What an operation that waits for the client reports.
enum class Outcome {
  kDone,    // every step ran
  kGaveUp,  // a wait ran out; the operation stopped there
};

// Runs round() until it answers true or the bound has passed; round() does one turn of a waiting
// loop (its yield, its look at the client, its pause). The first round always runs; a round that
// found nothing lasts at least a twentieth of a second, so that waiting never spins.
Outcome RepeatUntil(winsys::WindowSystem& ws, double bound_seconds,
                    const std::function<bool()>& round);

// One yield for a waiting loop that has no pause of its own: on the real clock a bare DoEvents
// loop would spin a processor, so it also lets a hundredth of a second pass.
void YieldBriefly(winsys::WindowSystem& ws);

}  // namespace vornik32
