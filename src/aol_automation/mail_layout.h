#pragma once
// The only differences between the mail operations for the two client layouts: how far down the
// mail menu (toolbar button 3) an item lies, and which picture button of a window is the one to
// click.

namespace vornik32 {

struct MailLayout {
  int open_mailbox_downs;      // Down presses before the submenu whose first item opens the mailbox
  int flash_session_downs;     // Down presses to the flash session item
  int mail_preferences_downs;  // Down presses to the Mail Preferences item
  int forward_button;          // the open mail's "_AOL_Icon" that forwards it
  int forward_send_button;     // the forward window's "_AOL_Icon" that sends
  int write_mail_send_button;  // the Write Mail window's "_AOL_Icon" that sends
};

inline constexpr MailLayout kAol5MailLayout{14, 12, 8, 8, 14, 16};
inline constexpr MailLayout kAol4MailLayout{12, 10, 7, 7, 12, 14};

}  // namespace vornik32
