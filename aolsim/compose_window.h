#pragma once
// The two windows that send mail: a forward window (the open mail's Forward) and Write Mail
// (the toolbar's button 2). Both have the recipient in their 1st "_AOL_Edit", the subject in the
// 3rd and the text in the 1st "RICHCNTL"; their Send button is the layout's ordinal among their
// "_AOL_Icon". A window sends once: Send records the mail, delivers a copy to New Mail for each
// recipient who is the signed-on user, and the window goes kSendCloseSeconds later; clicks on
// Send while it goes do nothing. A Send with no recipient does nothing.
//
// The forward window has the shape programs look for (7 "_AOL_Static", 15 or more "_AOL_Icon",
// 3 "_AOL_Edit", a font box, a combo box, a check box); Write Mail has one "_AOL_Static" fewer
// and no check box, so it never passes for a forward window.

#include <string>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kWriteMailCaption = "Write Mail";
inline constexpr const char* kForwardSubjectPrefix = "Fwd: ";

enum class ComposeKind { kForward, kWriteMail };

class ComposeWindow : public ClientWindow {
 public:
  // A forward of a stored mail that stood at position when it was opened.
  ComposeWindow(ClientContext& context, const StoredMail& mail, int position,
                winsys::HWND opened_from);
  // A new mail.
  explicit ComposeWindow(ClientContext& context);

  ComposeKind compose_kind() const { return compose_kind_; }
  winsys::HWND opened_from() const { return opened_from_; }
  bool Sent() const { return sent_; }

  winsys::HWND recipient_field() const { return edits_[0]; }
  winsys::HWND subject_field() const { return edits_[2]; }
  winsys::HWND text_field() const { return text_; }
  // What a person types into it before leaving it.
  void TypeDraft(std::string_view recipient, std::string_view subject, std::string_view text);

 private:
  void Build(std::string_view subject);
  void Send();
  void DeliverToUser(const std::string& subject, const std::string& text);

  ComposeKind compose_kind_;
  StoredMail forwarded_;
  int position_ = -1;
  winsys::HWND opened_from_ = winsys::kNoWindow;
  std::vector<winsys::HWND> edits_;
  winsys::HWND text_ = winsys::kNoWindow;
  bool sent_ = false;
};

}  // namespace aolsim
