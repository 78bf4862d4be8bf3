#include "aol_automation/instant_messages.h"

#include <string>

#include "aol_automation/client_windows.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/wait_for_window.h"
#include "aol_automation/window_operations.h"
#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

constexpr int kInstantMessageButton = 10;
constexpr int kNewMessageDowns = 6;
constexpr int kSendButton = 9;
constexpr double kPauseAfterMenu = 0.3;
constexpr double kPause = 0.1;
constexpr const char* kOffName = "$im_off";
constexpr const char* kOnName = "$im_on";
constexpr const char* kSwitchMessage = " ";

struct NewMessageWindow {
  HWND window = kNoWindow;
  HWND recipient = kNoWindow;
  HWND message = kNoWindow;
  HWND send = kNoWindow;
  bool complete() const {
    return window != kNoWindow && recipient != kNoWindow && message != kNoWindow &&
           send != kNoWindow;
  }
};

NewMessageWindow LookForNewMessageWindow(winsys::WindowSystem& ws) {
  NewMessageWindow found;
  found.window = ContentWindow(ws, kNewInstantMessageCaption);
  found.recipient = FirstChild(ws, found.window, kEditClass);
  found.message = FirstChild(ws, found.window, kRichTextClass);
  found.send = NthChild(ws, found.window, kIconClass, kSendButton);
  return found;
}

}  // namespace

Outcome SendInstantMessage(winsys::WindowSystem& ws, std::string_view recipient,
                           std::string_view message, CloseAfter close_after,
                           const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kInstantMessageButton, kNewMessageDowns, Submenu::kStay, 0, bounds) ==
      Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  winsys::WaitSeconds(ws, kPauseAfterMenu);
  NewMessageWindow form;
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        form = LookForNewMessageWindow(ws);
        return form.complete();
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  winsys::WaitSeconds(ws, kPause);
  SetWindowTextByMessage(ws, form.recipient, recipient);
  SetWindowTextByMessage(ws, form.message, message);
  winsys::WaitSeconds(ws, kPause);
  PostClick(ws, form.send);

  // The conversation window's caption carries the recipient exactly as it was passed.
  const std::string conversation_caption = kConversationCaptionStart + std::string(recipient);
  HWND conversation = kNoWindow;
  HWND notice = kNoWindow;
  if (WaitForWindow(ws, bounds.instant_message_answer, kPause).Until([&] {
        conversation = ContentWindow(ws, conversation_caption.c_str());
        notice = ws.FindWindow(kMessageBoxClass, kNoticeCaption);
        return conversation != kNoWindow || notice != kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  if (conversation == kNoWindow) {
    PostClick(ws, FirstChild(ws, notice, kPlainButtonClass));
    CloseWindow(ws, form.window);
    return Outcome::kDone;
  }
  if (close_after == CloseAfter::kYes) CloseWindow(ws, conversation);
  return Outcome::kDone;
}

Outcome InstantMessagesOff(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return SendInstantMessage(ws, kOffName, kSwitchMessage, CloseAfter::kYes, bounds);
}

Outcome InstantMessagesOn(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  return SendInstantMessage(ws, kOnName, kSwitchMessage, CloseAfter::kYes, bounds);
}

}  // namespace vornik32
