#pragma once
// A flash session: the "Status" content window whose "_AOL_View" text grows as the session
// goes, and, when the flash delay has passed, New Mail filed at the top of the Flash mailbox and
// the text ended with "Your Automatic AOL session is finished.". A stuck session stops growing
// before it files anything. The session runs on when its Status window is closed.

#include <functional>
#include <string>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kStatusCaption = "Status";
inline constexpr const char* kSessionFinished = "Your Automatic AOL session is finished.";

// The "Status" content window: an "_AOL_View" for the text, a "_AOL_Static" and a Cancel
// "_AOL_Icon" that closes it.
class StatusWindow : public ClientWindow {
 public:
  StatusWindow(ClientContext& context, WindowKind kind, std::string_view text);
  winsys::HWND view() const { return view_; }

 private:
  winsys::HWND view_ = winsys::kNoWindow;
};

class FlashSession {
 public:
  // view: the Status window's "_AOL_View" the session writes to while it is there.
  FlashSession(ClientContext& context, winsys::HWND view, std::function<void(int filed)> done);

  bool Running() const { return running_; }

 private:
  void Step(int step);
  void Append(const std::string& line);

  ClientContext& context_;
  TimerSet timers_;
  winsys::HWND view_;
  std::function<void(int)> done_;
  std::string text_;
  bool running_ = true;
};

}  // namespace aolsim
