#pragma once
// What every window of the client reaches: the window system, the message router, the timers,
// the layout, the settings, the mail store, the journal, and where content windows go.

#include <cstdint>
#include <string>

#include "aolsim/layout.h"
#include "aolsim/mail_store.h"
#include "aolsim/message_router.h"
#include "aolsim/records.h"
#include "aolsim/settings.h"
#include "aolsim/timers.h"
#include "shared/winsys/window_system.h"

namespace aolsim {

struct ClientContext {
  winsys::WindowSystem& ws;
  MessageRouter& router;
  Timers& timers;
  Layout layout;
  Settings& settings;
  MailStore& mail;
  Journal& journal;
  winsys::HWND main_window = winsys::kNoWindow;
  winsys::HWND mdi_client = winsys::kNoWindow;
  std::string screen_name;  // empty when signed off
  // Grows whenever a room opens or closes or its members change, so that whoever keeps a copy of
  // the members (the room's traffic) can tell cheaply when to take it again.
  std::uint64_t room_member_changes = 0;

  const LayoutNumbers& numbers() const { return NumbersFor(layout); }
  Moment Now() const { return Moment{ws.clock().Now(), ws.clock().Local()}; }
  bool SignedOn() const { return !screen_name.empty(); }
};

}  // namespace aolsim
