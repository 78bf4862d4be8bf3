#include "aolsim/welcome_window.h"

#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kWelcomePanes = 8;
constexpr int kWelcomeIcons = 21;
constexpr const char* kPaneTexts[kWelcomePanes] = {
    "You've Got Mail", "Top News",   "Today's Weather", "Channels",
    "Member Services", "What's New", "Chat Now",        "Shopping",
};

}  // namespace

std::string WelcomeCaption(Layout layout, std::string_view screen_name) {
  return std::string(kWelcomeGreeting) + std::string(screen_name) +
         NumbersFor(layout).welcome_closing;
}

WelcomeWindow::WelcomeWindow(ClientContext& context, std::string_view screen_name)
    : ClientWindow(context, WindowKind::kWelcome) {
  CreateContentWindow(WelcomeCaption(context.layout, screen_name));
  for (const char* text : kPaneTexts) {
    AddControl(classes::kRichText, text, winsys::ES_MULTILINE);
  }
  AddControls(classes::kIcon, kWelcomeIcons);
}

}  // namespace aolsim
