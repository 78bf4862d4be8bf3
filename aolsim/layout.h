#pragma once
// The two layouts of the client. They differ only in a few numbers: where items stand in the
// mail menu, which picture button of a mail window sends or forwards, how many characters close
// the Welcome caption, and on which side of the address box the toolbar's 22nd button stands.

namespace aolsim {

enum class Layout { kVersion4, kVersion5 };

struct LayoutNumbers {
  // Items of the mail menu (counted from 1, separators not counted, as Down presses reach them).
  int mailbox_folder_item;  // a submenu; its first item opens "Incoming/Saved Mail"
  int automatic_aol_item;
  int mail_preferences_item;
  // Ordinals among the "_AOL_Icon" children of a window.
  int read_mail_forward_icon;
  int forward_send_icon;
  int write_mail_send_icon;
  // Characters after the screen name in the Welcome caption.
  const char* welcome_closing;
};

inline constexpr LayoutNumbers kVersion5Numbers{14, 12, 8, 8, 14, 16, "! "};
inline constexpr LayoutNumbers kVersion4Numbers{12, 10, 7, 7, 12, 14, "!"};

inline constexpr const LayoutNumbers& NumbersFor(Layout layout) {
  return layout == Layout::kVersion5 ? kVersion5Numbers : kVersion4Numbers;
}

inline constexpr const char* ToString(Layout layout) {
  return layout == Layout::kVersion5 ? "5.0" : "4.0";
}

}  // namespace aolsim
