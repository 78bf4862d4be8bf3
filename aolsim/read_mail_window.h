#pragma once
// An open mail: captioned with its subject; its "RICHCNTL" holds five header lines (subject,
// date, sender, recipient, a blank line) and then the body. Its Forward button is the layout's
// ordinal among its ten "_AOL_Icon".

#include <functional>
#include <string>

#include "aolsim/client_window.h"

namespace aolsim {

// The open mail's text; lines end with CR LF.
std::string ReadMailText(const StoredMail& mail, std::string_view recipient);

class ReadMailWindow : public ClientWindow {
 public:
  ReadMailWindow(ClientContext& context, const StoredMail& mail, int position,
                 std::function<void(ReadMailWindow&)> forward);

  const StoredMail& mail() const { return mail_; }
  int mail_id() const { return mail_.id; }
  int position() const { return position_; }
  winsys::HWND text_window() const { return text_; }

 private:
  StoredMail mail_;  // a copy: the open mail stays readable when the stored one is deleted
  int position_;
  winsys::HWND text_ = winsys::kNoWindow;
  std::function<void(ReadMailWindow&)> forward_;
};

}  // namespace aolsim
