#pragma once
// The dialogs the program's watchdog clears, as `client popup` opens them: the "Status" and
// "Error" content windows, the top-level "AOL Modal" captioned "America Online" whose
// "_AOL_Icon" closes it, and the "#32770" "America Online" notice with its "OK" button.

#include <memory>

#include "aolsim/client_window.h"
#include "aolsim/settings.h"

namespace aolsim {

inline constexpr const char* kErrorCaption = "Error";

class ErrorWindow : public ClientWindow {
 public:
  explicit ErrorWindow(ClientContext& context);
};

class AolModalWindow : public ClientWindow {
 public:
  explicit AolModalWindow(ClientContext& context);
};

// The window for a popup of the given kind.
std::unique_ptr<ClientWindow> MakePopup(ClientContext& context, PopupKind kind);

// Whether a window of this kind is one of those dialogs (they are counted as open popups).
bool IsPopupKind(WindowKind kind);

}  // namespace aolsim
