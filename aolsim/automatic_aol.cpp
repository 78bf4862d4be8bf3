#include "aolsim/automatic_aol.h"

#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr const char* kChoiceTexts[kAutomaticAolCheckboxes] = {
    "Send mail from the Mail Waiting to Be Sent folder",
    "Get unread mail",
    "Download files that are attached to unread mail",
    "Download files marked with the Download Manager",
    "Send postings from the Postings Waiting to Be Sent folder",
    "Get unread postings",
};
constexpr const char* kAutomaticAolIcons[] = {"Select Names", "Run Automatic AOL Now",
                                              "Schedule Automatic AOL", "Help"};

}  // namespace

AutomaticAolWindow::AutomaticAolWindow(ClientContext& context, std::function<void()> start)
    : ClientWindow(context, WindowKind::kAutomaticAol), start_(std::move(start)) {
  CreateContentWindow(kAutomaticAolCaption);
  AddControl(classes::kStatic, "Automatic AOL can:");
  for (const char* text : kChoiceTexts) checkboxes_.push_back(AddCheckbox(text));
  std::vector<winsys::HWND> icons;
  for (const char* name : kAutomaticAolIcons) icons.push_back(AddControl(classes::kIcon, name));
  AttachIcon(icons[kAutomaticAolStartIcon - 1], [this] { start_(); });
}

std::vector<bool> AutomaticAolWindow::Choices() const {
  std::vector<bool> choices;
  for (const winsys::HWND checkbox : checkboxes_) choices.push_back(IsChecked(checkbox));
  return choices;
}

FlashDialog::FlashDialog(ClientContext& context, std::function<void(bool checked)> begin)
    : ClientWindow(context, WindowKind::kFlashDialog), begin_(std::move(begin)) {
  CreateTopLevel(classes::kModal, kFlashDialogCaption, Visibility::kHidden);
  AddControl(classes::kStatic, "Automatic AOL will sign on and run now.");
  checkbox_ = AddCheckbox("Sign off when finished");
  const winsys::HWND begin_icon = AddControl(classes::kIcon, "Begin");
  AttachIcon(begin_icon, [this] {
    if (begun_) return;
    begun_ = true;
    begin_(IsChecked(checkbox_));
    CloseSoon();
  });
  timers_.After(kModalShowSeconds, [this] { Show(); });
}

}  // namespace aolsim
