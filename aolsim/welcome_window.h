#pragma once
// The Welcome window that stands open while a screen name is signed on: "Welcome, " (nine
// characters), the screen name, then the layout's closing characters; 8 "RICHCNTL" and 21
// "_AOL_Icon", and nothing of the shapes of the other content windows.

#include <string>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kWelcomeGreeting = "Welcome, ";

std::string WelcomeCaption(Layout layout, std::string_view screen_name);

class WelcomeWindow : public ClientWindow {
 public:
  WelcomeWindow(ClientContext& context, std::string_view screen_name);
};

}  // namespace aolsim
