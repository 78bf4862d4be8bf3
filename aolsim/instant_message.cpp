#include "aolsim/instant_message.h"

#include "aolsim/chat_room.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kSendWindowIcons = 10;
constexpr int kConversationIcons = 6;

}  // namespace

SendInstantMessageWindow::SendInstantMessageWindow(
    ClientContext& context,
    std::function<void(SendInstantMessageWindow&, const std::string&, const std::string&)> send)
    : ClientWindow(context, WindowKind::kSendInstantMessage), send_(std::move(send)) {
  CreateContentWindow(kSendInstantMessageCaption);
  AddControl(classes::kStatic, "To:");
  recipient_ = AddControl(classes::kEdit);
  AddControl(classes::kFontCombo);
  message_ = AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  AddControl(classes::kStatic);
  const std::vector<winsys::HWND> icons = AddControls(classes::kIcon, kSendWindowIcons);
  AttachIcon(icons[kInstantMessageSendIcon - 1], [this] {
    if (awaiting_answer_) return;
    awaiting_answer_ = true;
    send_(*this, TextOf(recipient_), TextOf(message_));
  });
}

ConversationWindow::ConversationWindow(ClientContext& context, std::string_view recipient,
                                       std::string_view first_message)
    : ClientWindow(context, WindowKind::kConversation) {
  CreateContentWindow(std::string(kConversationCaptionPrefix) + std::string(recipient));
  AddControl(classes::kStatic);
  const winsys::HWND transcript = AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  SetText(transcript, TranscriptLine(context.screen_name, first_message));
  AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  AddControl(classes::kFontCombo);
  AddControls(classes::kIcon, kConversationIcons);
}

}  // namespace aolsim
