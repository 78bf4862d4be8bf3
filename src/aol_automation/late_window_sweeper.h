#pragma once
// Closes the windows a lagging client opens for an operation after it has returned: a forward
// window for each of several Forward clicks, an open mail, a forward window or a Write Mail that
// came after the operation gave up on it. They are the program's own (asked for by its clicks), so
// nobody else closes them; left on screen they pile up over a day, until the client's room and
// Welcome window lie beyond the reach of the program's searches.
//
// A window is taken for an operation's only while the client may still owe it, for a while after
// the operation's last click, when it shows the operation's mail (a Write Mail: when it is
// empty), and when it was not on screen (nor seen) during the operation. A person's window is left
// alone unless a person opens that same mail in that short while, which the client gives the
// program no way to tell apart.

#include <optional>
#include <string>
#include <vector>

#include "aol_automation/mail_result.h"
#include "shared/winsys/window_system.h"

namespace vornik32 {

class LateWindowSweeper {
 public:
  // How long after its last click a window still counts as owed: a hung client handles what was
  // posted to it when it wakes, and a hang lasts up to half a minute; its windows then take their
  // time to open.
  static constexpr double kOwedSeconds = 120;

  // Remembers what the operation's result says may still come.
  void Watch(const MailResult& result);
  // Closes the owed windows that have come; forgets those all come or no longer owed.
  void CloseArrived(winsys::WindowSystem& ws);
  bool watching() const { return !owed_.empty(); }

 private:
  void CloseOwedWindows(winsys::WindowSystem& ws);
  bool TakeOwedWriteMail(winsys::WindowSystem& ws, winsys::HWND window);
  // Whether some entry still waits for a window of the kind (open mails or forwards).
  bool Owes(int LateWindows::*kind) const;
  // The entry the window is owed to, if any.
  LateWindows* OwedTo(int LateWindows::*kind, winsys::HWND window,
                      const std::optional<std::string>& subject);
  void Take(LateWindows& owed, int LateWindows::*kind, winsys::WindowSystem& ws,
            winsys::HWND window);

  std::vector<LateWindows> owed_;
};

}  // namespace vornik32
