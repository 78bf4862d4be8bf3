#pragma once
// Tests of the stand-in client drive it as the program will: from a second process of the
// simulated desktop, with window messages only. The fixture owns the clock, the desktop, the
// client's process and the program's; ProgramSide holds the program's ways of finding and
// operating the client's windows (by class, caption and shape).

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "aolsim/client.h"
#include "aolsim/seam_names.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "support/layout_name.h"
#include "support/time_passes.h"

namespace aolsim::testing {

// A shape: for each class, how many children of it a window must have at least.
using Shape = std::vector<std::pair<const char*, int>>;

extern const Shape kChatRoomShape;
extern const Shape kReadMailShape;
extern const Shape kForwardShape;
extern const Shape kWelcomeShape;

// The numbers the program drives each layout with, kept apart from the client's own table so
// that a wrong number there shows.
struct ProgramNumbers {
  int mailbox_folder_item;  // Down presses before Right in the mail menu
  int automatic_aol_item;
  int mail_preferences_item;
  int read_mail_forward_icon;
  int forward_send_icon;
  int write_mail_send_icon;
  const char* welcome_closing;
};
inline constexpr ProgramNumbers kProgramNumbers5{14, 12, 8, 8, 14, 16, "! "};
inline constexpr ProgramNumbers kProgramNumbers4{12, 10, 7, 7, 12, 14, "!"};

class ProgramSide {
 public:
  explicit ProgramSide(winsys::WindowSystem& ws) : ws_(ws) {}

  winsys::WindowSystem& ws() { return ws_; }

  // --- Finding ------------------------------------------------------------------------------
  HWND MainWindow();
  HWND MdiClient();
  HWND Toolbar();  // the inner "_AOL_Toolbar"
  HWND ToolbarIcon(int number);
  HWND AddressEdit();
  HWND Content(const char* caption);  // "AOL Child" of the MDI area by caption
  std::vector<HWND> ContentWindows();
  // The n-th child of a class (from 1), or 0.
  HWND Child(HWND parent, const char* class_name, int n = 1);
  int CountChildren(HWND parent, const char* class_name);
  bool Matches(HWND window, const Shape& shape);
  // The first content window of that shape, or 0.
  HWND FindByShape(const Shape& shape);
  HWND TopLevel(const char* class_name, const char* caption = nullptr);

  // --- Operating ----------------------------------------------------------------------------
  std::string Text(HWND window);
  void SetText(HWND window, const std::string& text);
  void Click(HWND window);                // sent, as ClickWindow does
  void PostClick(HWND window);            // posted
  void PostKey(HWND window, WPARAM key);  // WM_KEYDOWN then WM_KEYUP
  LRESULT Send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
  std::string ListText(HWND list, int index);
  // Clicks a toolbar button, waits for its popup and posts the keys: downs times Down, then
  // Right and submenu_downs times Down when into_submenu, then Enter.
  void RunToolbarMenu(int button, int downs, bool into_submenu = false, int submenu_downs = 0);
  // Reads the member list of the room the way the program must: item data, then the client's
  // memory.
  std::vector<std::string> MemberNames(HWND room);

  void RunFor(double seconds) { tollmere_testing::RunFor(ws_, seconds); }
  // Lets time pass until ready() holds or the time runs out; answers whether it held.
  bool RunUntil(const std::function<bool()>& ready, double seconds = 10) {
    return tollmere_testing::RunUntil(ws_, ready, seconds);
  }

 private:
  winsys::WindowSystem& ws_;
};

class ClientFixture : public ::testing::TestWithParam<Layout> {
 protected:
  ClientFixture();
  void SetUp() override;

  Layout layout() const { return GetParam(); }
  const ProgramNumbers& numbers() const {
    return GetParam() == Layout::kVersion5 ? kProgramNumbers5 : kProgramNumbers4;
  }
  // The mailbox opened through the mail menu, fully loaded.
  HWND OpenMailbox();
  // The open mail of the mailbox line at position, read through the Read button.
  HWND OpenMail(int position);

  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& client_process_;
  ProgramSide program_;
  Client client_;
};

#define AOLSIM_BOTH_LAYOUTS(suite)                                                  \
  INSTANTIATE_TEST_SUITE_P(BothLayouts, suite,                                      \
                           ::testing::Values(Layout::kVersion5, Layout::kVersion4), \
                           ::tollmere_testing::LayoutName)

}  // namespace aolsim::testing
