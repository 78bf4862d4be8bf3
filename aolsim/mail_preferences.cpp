#include "aolsim/mail_preferences.h"

#include "aolsim/window_classes.h"

namespace aolsim {

MailPreferencesDialog::MailPreferencesDialog(ClientContext& context,
                                             std::function<void(std::vector<bool>)> keep)
    : ClientWindow(context, WindowKind::kMailPreferences), keep_(std::move(keep)) {
  CreateTopLevel(classes::kModal, kMailPreferencesCaption, Visibility::kHidden);
  AddControl(classes::kStatic, "Mail Preferences");
  checkboxes_.push_back(AddCheckbox("Confirm mail after it has been sent"));
  checkboxes_.push_back(AddCheckbox("Retain all mail I send in my Personal Filing Cabinet"));
  const winsys::HWND ok = AddControl(classes::kIcon, "OK");
  const winsys::HWND cancel = AddControl(classes::kIcon, "Cancel");
  AttachIcon(ok, [this] {
    std::vector<bool> choices;
    for (const winsys::HWND checkbox : checkboxes_) choices.push_back(IsChecked(checkbox));
    keep_(std::move(choices));
    CloseSoon();
  });
  AttachIcon(cancel, [this] { CloseSoon(); });
  timers_.After(kModalShowSeconds, [this] { Show(); });
}

}  // namespace aolsim
