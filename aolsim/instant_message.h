#pragma once
// Instant messages: the "Send Instant Message" window (1st "_AOL_Edit" the recipient, 1st
// "RICHCNTL" the message, 9th "_AOL_Icon" Send) and the conversation window
// "  Instant Message To: " + recipient that a sent message opens.

#include <functional>
#include <string>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kSendInstantMessageCaption = "Send Instant Message";
inline constexpr const char* kConversationCaptionPrefix = "  Instant Message To: ";
inline constexpr int kInstantMessageSendIcon = 9;
// The pseudo screen names that stop and resume the delivery of instant messages to the user.
inline constexpr const char* kImOff = "$im_off";
inline constexpr const char* kImOn = "$im_on";

class SendInstantMessageWindow : public ClientWindow {
 public:
  // send: the recipient and message at the moment Send was clicked.
  SendInstantMessageWindow(
      ClientContext& context,
      std::function<void(SendInstantMessageWindow&, const std::string&, const std::string&)> send);

  // Send does nothing while the client answers the message sent.
  void SetAwaitingAnswer(bool awaiting) { awaiting_answer_ = awaiting; }

 private:
  winsys::HWND recipient_ = winsys::kNoWindow;
  winsys::HWND message_ = winsys::kNoWindow;
  std::function<void(SendInstantMessageWindow&, const std::string&, const std::string&)> send_;
  bool awaiting_answer_ = false;
};

class ConversationWindow : public ClientWindow {
 public:
  ConversationWindow(ClientContext& context, std::string_view recipient,
                     std::string_view first_message);
};

}  // namespace aolsim
