#include "aolsim/read_mail_window.h"

#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kReadMailStatics = 6;
constexpr int kReadMailIcons = 10;

}  // namespace

std::string ReadMailText(const StoredMail& mail, std::string_view recipient) {
  return "Subj:\t" + mail.subject + "\r\n" + "Date:\t" + mail.date + "\r\n" + "From:\t" +
         mail.sender + "\r\n" + "To:\t" + std::string(recipient) + "\r\n" + "\r\n" + mail.body;
}

ReadMailWindow::ReadMailWindow(ClientContext& context, const StoredMail& mail, int position,
                               std::function<void(ReadMailWindow&)> forward)
    : ClientWindow(context, WindowKind::kReadMail),
      mail_(mail),
      position_(position),
      forward_(std::move(forward)) {
  CreateContentWindow(mail.subject);
  const std::string recipient = mail.recipient.empty() ? context.screen_name : mail.recipient;
  for (int i = 0; i < kReadMailStatics; ++i) AddControl(classes::kStatic);
  text_ = AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  SetText(text_, ReadMailText(mail, recipient));
  AddControl(classes::kView, mail.date);
  const std::vector<winsys::HWND> icons = AddControls(classes::kIcon, kReadMailIcons);
  const winsys::HWND forward_icon =
      icons[static_cast<std::size_t>(context.numbers().read_mail_forward_icon - 1)];
  // The client captions the picture buttons it draws a label under, as a person reads them.
  ws().SetWindowText(forward_icon, "Forward");
  AttachIcon(forward_icon, [this] { forward_(*this); });
}

}  // namespace aolsim
