#include "aolsim/compose_window.h"

#include "aolsim/read_mail_window.h"
#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kComposeEdits = 3;  // to, copy to, subject
constexpr int kForwardStatics = 7;
constexpr int kWriteMailStatics = 6;

// Two buttons more than the Send button's ordinal, as the client has after Send.
int IconCount(const LayoutNumbers& numbers, ComposeKind kind) {
  return (kind == ComposeKind::kForward ? numbers.forward_send_icon
                                        : numbers.write_mail_send_icon) +
         3;
}

}  // namespace

ComposeWindow::ComposeWindow(ClientContext& context, const StoredMail& mail, int position,
                             HWND opened_from)
    : ClientWindow(context, WindowKind::kForward),
      compose_kind_(ComposeKind::kForward),
      forwarded_(mail),
      position_(position),
      opened_from_(opened_from) {
  Build(kForwardSubjectPrefix + mail.subject);
}

ComposeWindow::ComposeWindow(ClientContext& context)
    : ClientWindow(context, WindowKind::kWriteMail), compose_kind_(ComposeKind::kWriteMail) {
  Build("");
}

void ComposeWindow::Build(std::string_view subject) {
  const bool forward = compose_kind_ == ComposeKind::kForward;
  CreateContentWindow(forward ? std::string(subject) : std::string(kWriteMailCaption));
  const int statics = forward ? kForwardStatics : kWriteMailStatics;
  for (int i = 0; i < statics; ++i) AddControl(classes::kStatic);
  for (int i = 0; i < kComposeEdits; ++i) edits_.push_back(AddControl(classes::kEdit));
  SetText(subject_field(), subject);
  AddControl(classes::kFontCombo);
  const HWND size_box = AddControl(classes::kCombobox);
  AddControl(classes::kStandardEdit, "10", 0, size_box);
  text_ = AddControl(classes::kRichText, "", winsys::ES_MULTILINE | winsys::ES_WANTRETURN);
  if (forward) AddCheckbox("Request \"Return Receipt\"");
  const LayoutNumbers& numbers = context_.numbers();
  const std::vector<HWND> icons = AddControls(classes::kIcon, IconCount(numbers, compose_kind_));
  const int send = forward ? numbers.forward_send_icon : numbers.write_mail_send_icon;
  ws().SetWindowText(icons[static_cast<std::size_t>(send - 1)], "Send");
  AttachIcon(icons[static_cast<std::size_t>(send - 1)], [this] { Send(); });
}

void ComposeWindow::TypeDraft(std::string_view recipient, std::string_view subject,
                              std::string_view text) {
  SetText(recipient_field(), recipient);
  SetText(subject_field(), subject);
  SetText(text_field(), text);
}

void ComposeWindow::Send() {
  if (sent_) return;
  const bool forward = compose_kind_ == ComposeKind::kForward;
  if (!forward && context_.settings.Has(Fault::kSendStuck)) return;
  // Signed off, nothing goes: the window stays as it was.
  if (!context_.SignedOn()) return;
  const std::string recipients_text = TextOf(recipient_field());
  std::vector<Recipient> recipients = ParseRecipients(recipients_text);
  if (recipients.empty()) return;
  sent_ = true;

  Delivery delivery;
  delivery.kind = forward ? DeliveryKind::kForward : DeliveryKind::kNewMail;
  delivery.recipients_text = recipients_text;
  delivery.recipients = std::move(recipients);
  delivery.subject = TextOf(subject_field());
  delivery.text = TextOf(text_field());
  delivery.time = context_.Now();
  std::string delivered_text = delivery.text;
  if (forward) {
    delivery.mail_id = forwarded_.id;
    delivery.mailbox_position = position_;
    delivery.stored_subject = forwarded_.subject;
    delivered_text += "\r\n\r\n" + ReadMailText(forwarded_, forwarded_.recipient);
  }
  for (const Recipient& recipient : delivery.recipients) {
    if (context_.SignedOn() && SameScreenName(recipient.name, context_.screen_name)) {
      DeliverToUser(delivery.subject, delivered_text);
    }
  }
  context_.journal.Record(std::move(delivery));
  timers_.After(kSendCloseSeconds, [this] { Close(); });
}

void ComposeWindow::DeliverToUser(const std::string& subject, const std::string& text) {
  StoredMail mail;
  mail.date = MailDate(context_.ws.clock().Local());
  mail.sender = context_.screen_name;
  mail.recipient = context_.screen_name;
  mail.subject = subject;
  mail.body = text;
  context_.mail.AddToNewMail(std::move(mail));
}

}  // namespace aolsim
