#pragma once
// Which stored mail an operation is for. A mailbox position is only where the mail last stood:
// a flash session files new mail on top and moves every line down, a deletion moves the lines
// below it up. The mail itself is told by its subject, and looked for near its place when the
// line there shows another.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace vornik32 {

struct MeantMail {
  int position = 0;  // the mailbox line where the mail is expected
  // Whether a mailbox line's subject is the mail's; empty for a mail told only by its place,
  // which is whatever the place holds and is never looked for elsewhere.
  std::function<bool(std::string_view subject)> has_subject;
};

// The mail at a place, whatever it is.
MeantMail MailAt(int position);
// The mail at a place whose subject is exactly title.
MeantMail MailTitled(int position, std::string title);

struct FoundMail {
  int position = 0;
  std::string subject;
};

// The line nearest to the expected place whose subject is the mail's: the place itself first,
// then one line further down and one further up, and so on across the whole mailbox (a place
// past its end is looked for from the last line up). Nothing when no line is the mail's, or when
// the client does not answer.
std::optional<FoundMail> FindMeantMail(winsys::WindowSystem& ws, winsys::HWND tree,
                                       const MeantMail& meant);

}  // namespace vornik32
