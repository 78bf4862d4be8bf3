#pragma once
// The "Mail Preferences" dialog: a top-level "_AOL_Modal" with two "_AOL_Checkbox", made hidden
// and shown a moment later; its 1st "_AOL_Icon" (OK) keeps the choices and closes it, its 2nd
// (Cancel) closes it.

#include <functional>
#include <vector>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kMailPreferencesCaption = "Mail Preferences";

class MailPreferencesDialog : public ClientWindow {
 public:
  MailPreferencesDialog(ClientContext& context, std::function<void(std::vector<bool>)> keep);

 private:
  std::vector<winsys::HWND> checkboxes_;
  std::function<void(std::vector<bool>)> keep_;
};

}  // namespace aolsim
