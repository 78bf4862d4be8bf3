#pragma once
// The one table of wait bounds the tests play with: short enough that a test which waits for
// nothing ends soon, long enough for the stand-in's default delays. Header-only.

#include "aol_automation/wait_bounds.h"

namespace tollmere_testing {

inline vornik32::WaitBounds ShortWaitBounds() {
  return {.popup_menu = 5,
          .window_appears = 5,
          .mail_opens = 5,
          .mailbox_fills = 60,
          .window_closes = 5,
          .instant_message_answer = 5,
          .flash_session_ends = 30};
}

}  // namespace tollmere_testing
