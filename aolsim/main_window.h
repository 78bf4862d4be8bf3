#pragma once
// The client's main window "AOL Frame25": a menu bar, the toolbar ("AOL Toolbar" holding
// "_AOL_Toolbar" with the picture buttons and the address box) and the MDI area where content
// windows open. In the 5.0 layout the toolbar's 22nd button stands to the right of the address
// box, in the 4.0 layout to its left: that is how a program tells the two apart.

#include <functional>
#include <string>
#include <vector>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kMainWindowCaption = "America Online";
inline constexpr const char* kStopIncomingText = "S&top Incoming Text";

// The toolbar buttons with a meaning (counted from 1 in child order).
inline constexpr int kWriteMailIcon = 2;
inline constexpr int kMailMenuIcon = 3;
inline constexpr int kPeopleMenuIcon = 10;

class MainWindow : public ClientWindow {
 public:
  struct Actions {
    std::function<void()> write_mail;
    std::function<void(winsys::HWND icon)> mail_menu;
    std::function<void(winsys::HWND icon)> people_menu;
    std::function<void(const std::string& address)> go_to;
  };

  MainWindow(ClientContext& context, Actions actions);

  winsys::HWND mdi_client() const { return mdi_client_; }
  winsys::HWND address_edit() const { return address_edit_; }
  const std::vector<winsys::HWND>& toolbar_icons() const { return icons_; }
  int stop_incoming_text_count() const { return stop_incoming_text_count_; }

 private:
  void BuildMenuBar();
  void BuildToolbar();
  void AttachAddressBox();
  winsys::HWND AddAt(const char* class_name, winsys::HWND parent, const winsys::Rect& rect);

  Actions actions_;
  winsys::HWND toolbar_ = winsys::kNoWindow;
  winsys::HWND inner_toolbar_ = winsys::kNoWindow;
  winsys::HWND address_box_ = winsys::kNoWindow;
  winsys::HWND address_edit_ = winsys::kNoWindow;
  winsys::HWND mdi_client_ = winsys::kNoWindow;
  std::vector<winsys::HWND> icons_;
  int stop_incoming_text_count_ = 0;
};

}  // namespace aolsim
