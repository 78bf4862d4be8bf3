// The client's window tree as a program finds it: the version probe, the Welcome caption, the
// shapes of the content windows, the menu bar, the address box and the dialogs the watchdog
// clears.

#include <map>
#include <set>

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class ClientWindowsTest : public ClientFixture {};
AOLSIM_BOTH_LAYOUTS(ClientWindowsTest);

TEST_P(ClientWindowsTest, TwentySecondToolbarIconStandsRightOfTheAddressBoxOnlyIn5) {
  winsys::Rect icon;
  winsys::Rect box;
  ASSERT_TRUE(program_.ws().GetWindowRect(program_.ToolbarIcon(22), icon));
  ASSERT_TRUE(
      program_.ws().GetWindowRect(program_.Child(program_.Toolbar(), "_AOL_Combobox"), box));
  EXPECT_EQ(icon.left > box.left, layout() == Layout::kVersion5);
}

TEST_P(ClientWindowsTest, WelcomeCaptionCarriesTheScreenNameBetweenGreetingAndClosing) {
  const HWND welcome = program_.FindByShape(kWelcomeShape);
  ASSERT_NE(welcome, 0u);
  const std::string caption = program_.ws().GetWindowText(welcome);
  const std::size_t closing = layout() == Layout::kVersion5 ? 2 : 1;
  ASSERT_GT(caption.size(), 9 + closing);
  EXPECT_EQ(caption.substr(0, 9), "Welcome, ");
  EXPECT_EQ(caption.substr(9, caption.size() - 9 - closing), "Ada Reed");

  client_.SignOff();
  EXPECT_EQ(program_.FindByShape(kWelcomeShape), 0u);
  EXPECT_FALSE(client_.SignedOn());
}

// Opens one window of every kind the client has and probes each against every shape.
TEST_P(ClientWindowsTest, EveryContentWindowMatchesOnlyItsOwnShape) {
  client_.OpenRoom("Lobby", {"Bo"});
  client_.AddFlashMails({"First"});
  client_.Popup(PopupKind::kStatus);
  client_.Popup(PopupKind::kError);
  OpenMailbox();
  const HWND mail = OpenMail(0);
  program_.Click(program_.Child(mail, "_AOL_Icon", numbers().read_mail_forward_icon));
  program_.PostClick(program_.ToolbarIcon(2));
  program_.RunToolbarMenu(3, numbers().automatic_aol_item);
  program_.RunToolbarMenu(10, 6);
  ASSERT_TRUE(program_.RunUntil([&] {
    return program_.Content("Write Mail") && program_.Content("Automatic AOL") &&
           program_.Content("Send Instant Message") && program_.FindByShape(kForwardShape);
  }));
  const HWND im = program_.Content("Send Instant Message");
  program_.SetText(program_.Child(im, "_AOL_Edit"), "Bo Peep");
  program_.PostClick(program_.Child(im, "_AOL_Icon", 9));
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("  Instant Message To: Bo Peep"); }));
  program_.RunToolbarMenu(10, 6);
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Send Instant Message"); }));

  const std::map<std::string, std::string> expected{
      {"Lobby", "chat"},
      {"Welcome, Ada Reed" + std::string(numbers().welcome_closing), "welcome"},
      {"First", "read"},
      {"Fwd: First", "forward"},
      {"Write Mail", ""},
      {"Incoming/Saved Mail", ""},
      {"Automatic AOL", ""},
      {"Send Instant Message", ""},
      {"  Instant Message To: Bo Peep", ""},
      {"Status", ""},
      {"Error", ""},
  };
  const std::map<std::string, const Shape*> shapes{{"chat", &kChatRoomShape},
                                                   {"read", &kReadMailShape},
                                                   {"forward", &kForwardShape},
                                                   {"welcome", &kWelcomeShape}};
  std::set<std::string> seen;
  for (const HWND window : program_.ContentWindows()) {
    const std::string caption = program_.ws().GetWindowText(window);
    SCOPED_TRACE(caption);
    ASSERT_EQ(expected.count(caption), 1u);
    seen.insert(caption);
    for (const auto& [name, shape] : shapes) {
      EXPECT_EQ(program_.Matches(window, *shape), name == expected.at(caption)) << name;
    }
  }
  EXPECT_EQ(seen.size(), expected.size());
}

TEST_P(ClientWindowsTest, NewestContentWindowEnumeratesFirst) {
  client_.Popup(PopupKind::kStatus);
  client_.OpenRoom("Lobby", {});
  const std::vector<HWND> windows = program_.ContentWindows();
  ASSERT_GE(windows.size(), 3u);
  EXPECT_EQ(program_.ws().GetWindowText(windows[0]), "Lobby");
  EXPECT_EQ(program_.ws().GetWindowText(windows[1]), "Status");
}

TEST_P(ClientWindowsTest, MenuBarCommandStopIncomingTextIsCounted) {
  const winsys::HMENU bar = program_.ws().GetMenu(program_.MainWindow());
  UINT found = 0;
  for (int m = 0; m < program_.ws().GetMenuItemCount(bar) && found == 0; ++m) {
    const winsys::HMENU menu = program_.ws().GetSubMenu(bar, m);
    for (int i = 0; i < program_.ws().GetMenuItemCount(menu); ++i) {
      const UINT id = program_.ws().GetMenuItemID(menu, i);
      if (program_.ws().GetMenuString(menu, id, 100, winsys::MF_BYCOMMAND) ==
          "S&top Incoming Text") {
        found = id;
      }
    }
  }
  ASSERT_NE(found, 0u);
  program_.Send(program_.MainWindow(), winsys::WM_COMMAND, found);
  program_.Send(program_.MainWindow(), winsys::WM_COMMAND, found);
  EXPECT_EQ(client_.StopIncomingTextCount(), 2);
  EXPECT_TRUE(program_.ws().IsWindow(program_.MainWindow()));
}

TEST_P(ClientWindowsTest, AddressBoxVisitsWhatIsTypedThenBlankThenEnter) {
  const HWND edit = program_.AddressEdit();
  ASSERT_NE(edit, 0u);
  for (const char* address : {"keyword news", "http://www.example.com/"}) {
    program_.SetText(edit, address);
    program_.Send(edit, winsys::WM_CHAR, ' ');
    program_.Send(edit, winsys::WM_CHAR, 13);
  }
  EXPECT_EQ(client_.VisitedAddresses(),
            (std::vector<std::string>{"keyword news", "http://www.example.com/"}));
}

TEST_P(ClientWindowsTest, WmCloseClosesContentWindows) {
  client_.OpenRoom("Lobby", {});
  ASSERT_TRUE(client_.IsContentWindowOpen("lobby"));
  program_.ws().PostMessage(program_.Content("Lobby"), winsys::WM_CLOSE, 0, 0);
  program_.RunFor(0.1);
  EXPECT_FALSE(client_.IsContentWindowOpen("Lobby"));
  EXPECT_FALSE(client_.RoomOpen());
}

// Each popup, and the way the program's watchdog clears it.
TEST_P(ClientWindowsTest, PopupsAppearAreCountedAndGoTheWayTheWatchdogClearsThem) {
  client_.Popup(PopupKind::kStatus);
  client_.Popup(PopupKind::kError);
  client_.Popup(PopupKind::kModal);
  client_.Popup(PopupKind::kNotice);
  EXPECT_EQ(client_.OpenPopupCount(), 4);

  program_.ws().PostMessage(program_.Content("Status"), winsys::WM_CLOSE, 0, 0);
  program_.ws().PostMessage(program_.Content("Error"), winsys::WM_CLOSE, 0, 0);
  program_.RunFor(0.1);
  EXPECT_EQ(client_.OpenPopupCount(), 2);

  const HWND modal = program_.TopLevel("AOL Modal", "America Online");
  ASSERT_NE(modal, 0u);
  program_.Click(program_.Child(modal, "_AOL_Icon"));
  program_.RunFor(0.1);
  EXPECT_FALSE(program_.ws().IsWindow(modal));

  const HWND notice = program_.TopLevel("#32770", "America Online");
  ASSERT_NE(notice, 0u);
  const HWND ok = program_.ws().FindWindowEx(notice, 0, "Button", "OK");
  ASSERT_NE(ok, 0u);
  program_.Send(ok, winsys::WM_KEYDOWN, winsys::VK_SPACE);
  program_.Send(ok, winsys::WM_KEYUP, winsys::VK_SPACE);
  EXPECT_FALSE(program_.ws().IsWindow(notice));
  EXPECT_EQ(client_.OpenPopupCount(), 0);
}

TEST_P(ClientWindowsTest, PopupMenuKeysMoveSkipSeparatorsAndCancel) {
  // Up from the last item and Left out of the submenu, then back in: still the mailbox.
  program_.PostClick(program_.ToolbarIcon(3));
  HWND popup = 0;
  ASSERT_TRUE(program_.RunUntil([&] { return (popup = program_.TopLevel("#32768")) != 0; }));
  for (int i = 0; i < numbers().mailbox_folder_item + 1; ++i) {
    program_.PostKey(popup, winsys::VK_DOWN);
  }
  program_.PostKey(popup, winsys::VK_UP);
  program_.PostKey(popup, winsys::VK_RIGHT);
  program_.PostKey(popup, winsys::VK_LEFT);
  program_.PostKey(popup, winsys::VK_RIGHT);
  program_.PostKey(popup, winsys::VK_RETURN);
  EXPECT_TRUE(program_.RunUntil([&] { return program_.Content("Incoming/Saved Mail") != 0; }));
  EXPECT_EQ(program_.TopLevel("#32768"), 0u);

  // Escape closes the menu and runs nothing.
  program_.PostClick(program_.ToolbarIcon(10));
  ASSERT_TRUE(program_.RunUntil([&] { return (popup = program_.TopLevel("#32768")) != 0; }));
  for (int i = 0; i < 6; ++i) program_.PostKey(popup, winsys::VK_DOWN);
  program_.PostKey(popup, winsys::VK_ESCAPE);
  program_.PostKey(popup, winsys::VK_RETURN);
  program_.RunFor(2);
  EXPECT_EQ(program_.TopLevel("#32768"), 0u);
  EXPECT_EQ(program_.Content("Send Instant Message"), 0u);
}

}  // namespace
}  // namespace aolsim::testing
