// Menus and the popup menu that keys drive.

// These cases stage input, time and popup menus through the simulated desktop itself.
#ifndef TOLLMERE_WIN32_DESKTOP
#include <string>
#include <vector>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

constexpr UINT kOne = 101;
constexpr UINT kTwo = 102;
constexpr UINT kThree = 103;
constexpr UINT kSubA = 201;
constexpr UINT kSubB = 202;

class MenusTest : public DesktopTest {
 protected:
  MenusTest() {
    owner_ = Make(app_, "owner", WS_VISIBLE);
    submenu_ = app_.CreatePopupMenu();
    app_.AppendMenu(submenu_, MF_STRING, kSubA, "Sub A");
    app_.AppendMenu(submenu_, MF_STRING | MF_CHECKED, kSubB, "Sub B");
    menu_ = app_.CreatePopupMenu();
    app_.AppendMenu(menu_, MF_STRING, kOne, "One");
    app_.AppendMenu(menu_, MF_SEPARATOR, 0, "");
    app_.AppendMenu(menu_, MF_STRING | MF_GRAYED, kTwo, "Two");
    app_.AppendMenu(menu_, MF_POPUP, submenu_, "Sub");
    app_.AppendMenu(menu_, MF_STRING, kThree, "Three");
  }
  // Posts keys to the newest popup window once it is up, as the automation does.
  void PressWhenOpen(std::vector<WPARAM> keys, double after = 0.05) {
    desktop_.ScheduleAt(clock_.Now() + after, [this, keys] {
      const HWND popup = other_.FindWindow("#32768", nullptr);
      for (WPARAM key : keys) other_.PostMessage(popup, WM_KEYDOWN, key, 0);
    });
  }
  int PopupCount() {
    int count = 0;
    for (HWND w = app_.FindWindowEx(kNoWindow, kNoWindow, "#32768", nullptr); w != kNoWindow;
         w = app_.FindWindowEx(kNoWindow, w, "#32768", nullptr)) {
      ++count;
    }
    return count;
  }
  HWND owner_ = kNoWindow;
  HMENU menu_ = 0;
  HMENU submenu_ = 0;
};

TEST_F(MenusTest, ItemsAnswerTheirIdsTextsAndStates) {
  EXPECT_EQ(other_.GetMenuItemCount(menu_), 5);
  EXPECT_EQ(other_.GetMenuItemID(menu_, 0), kOne);
  EXPECT_EQ(other_.GetMenuItemID(menu_, 1), 0u);               // a separator
  EXPECT_EQ(other_.GetMenuItemID(menu_, 3), kMenuStateError);  // a submenu
  EXPECT_EQ(other_.GetMenuItemID(menu_, 9), kMenuStateError);
  EXPECT_EQ(other_.GetSubMenu(menu_, 3), submenu_);
  EXPECT_EQ(other_.GetSubMenu(menu_, 0), 0u);
  EXPECT_EQ(other_.GetMenuItemCount(0x4242), -1);

  EXPECT_EQ(other_.GetMenuString(menu_, 4, 100, MF_BYPOSITION), "Three");
  EXPECT_EQ(other_.GetMenuString(menu_, kSubB, 100, MF_BYCOMMAND), "Sub B");  // in the submenu
  EXPECT_EQ(other_.GetMenuString(menu_, kThree, 4, MF_BYCOMMAND), "Thr");
  EXPECT_EQ(other_.GetMenuString(menu_, 999, 100, MF_BYCOMMAND), "");

  EXPECT_EQ(other_.GetMenuState(menu_, kTwo, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(other_.GetMenuState(menu_, kSubB, MF_BYCOMMAND), MF_CHECKED);
  EXPECT_EQ(other_.GetMenuState(menu_, 1, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
  EXPECT_EQ(other_.GetMenuState(menu_, 3, MF_BYPOSITION), (2u << 8) | MF_POPUP);
  EXPECT_EQ(other_.GetMenuState(menu_, 999, MF_BYCOMMAND), kMenuStateError);
}

TEST_F(MenusTest, ChecksEnablingAndNewTexts) {
  EXPECT_EQ(app_.CheckMenuItem(menu_, kOne, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(app_.CheckMenuItem(menu_, kOne, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED);
  EXPECT_EQ(app_.CheckMenuItem(menu_, 0, MF_BYPOSITION | MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(app_.CheckMenuItem(menu_, 999, MF_BYCOMMAND), kMenuStateError);
  EXPECT_TRUE(app_.EnableMenuItem(menu_, kTwo, MF_BYCOMMAND | MF_ENABLED));
  EXPECT_EQ(app_.GetMenuState(menu_, kTwo, MF_BYCOMMAND), MF_ENABLED);

  // The setting lives in the caption: the text after ":  ".
  ASSERT_TRUE(app_.ModifyMenu(menu_, kSubA, MF_BYCOMMAND | MF_STRING | MF_CHECKED, kSubA,
                              "Request limit:  5"));
  EXPECT_EQ(other_.GetMenuString(submenu_, 0, 100, MF_BYPOSITION), "Request limit:  5");
  EXPECT_EQ(other_.GetMenuState(submenu_, kSubA, MF_BYCOMMAND), MF_CHECKED);
  ASSERT_TRUE(app_.ModifyMenu(menu_, 0, MF_BYPOSITION | MF_STRING, kOne, "Uno"));
  EXPECT_EQ(other_.GetMenuString(menu_, kOne, 100, MF_BYCOMMAND), "Uno");
  EXPECT_FALSE(app_.ModifyMenu(menu_, 999, MF_BYCOMMAND, 999, "x"));
}

TEST_F(MenusTest, AMenuBarBelongsToItsWindowAndGoesWithIt) {
  const HMENU bar = app_.CreateMenu();
  app_.AppendMenu(bar, MF_POPUP, menu_, "&File");
  ASSERT_TRUE(app_.SetMenu(owner_, bar));
  EXPECT_EQ(other_.GetMenu(owner_), bar);
  EXPECT_EQ(other_.GetSubMenu(other_.GetMenu(owner_), 0), menu_);
  const HWND child = MakeChild(app_, "child", owner_);
  EXPECT_FALSE(app_.SetMenu(child, bar));
  app_.DestroyWindow(owner_);
  EXPECT_EQ(other_.GetMenuItemCount(bar), -1);
  EXPECT_EQ(other_.GetMenuItemCount(submenu_), -1);  // destroyed with what held it
}

struct PopupCase {
  const char* name;
  std::vector<WPARAM> keys;
  int expected;
};

class PopupMenuTest : public MenusTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupMenuTest, KeysChooseTheCommand) {
  const PopupCase& c = GetParam();
  PressWhenOpen(c.keys);
  EXPECT_EQ(app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 100, 100, owner_), c.expected);
  EXPECT_EQ(PopupCount(), 0);
  EXPECT_EQ(CountOf(owner_, WM_COMMAND), 0);
  EXPECT_TRUE(desktop_.OpenModals().empty());
  EXPECT_EQ(app_.GetForegroundWindow(), owner_) << "a popup menu takes no activation";
}

// Down skips the separator and the grayed item; Right opens a submenu at its first item.
INSTANTIATE_TEST_SUITE_P(
    Keys, PopupMenuTest,
    ::testing::Values(
        PopupCase{"First", {VK_DOWN, VK_RETURN}, kOne},
        PopupCase{"SkipsSeparatorAndGrayed", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, kThree},
        PopupCase{"WrapsAround", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, kOne},
        PopupCase{"UpFromNothingIsTheLast", {VK_UP, VK_RETURN}, kThree},
        PopupCase{"RightOpensTheSubmenu", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, kSubA},
        PopupCase{"DownInTheSubmenu", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, kSubB},
        PopupCase{"LeftClosesTheSubmenu",
                  {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN},
                  kThree},
        PopupCase{"ReturnOnASubmenuOpensIt", {VK_DOWN, VK_DOWN, VK_RETURN, VK_RETURN}, kSubA},
        PopupCase{"EscapeCancels", {VK_DOWN, VK_ESCAPE}, 0},
        PopupCase{"LeftAtTheTopCancels", {VK_LEFT}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenusTest, ASubmenuIsASecondPopupWindow) {
  PressWhenOpen({VK_DOWN, VK_DOWN, VK_RIGHT});
  int seen = 0;
  desktop_.ScheduleAt(clock_.Now() + 1.0, [&] {
    seen = PopupCount();
    const HWND front = other_.FindWindow("#32768", nullptr);
    EXPECT_TRUE(other_.IsWindowVisible(front));
    other_.PostMessage(front, WM_KEYDOWN, VK_DOWN, 0);
    other_.PostMessage(front, WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_), static_cast<int>(kSubB));
  EXPECT_EQ(seen, 2);
}

TEST_F(MenusTest, WithoutReturnCmdTheOwnerGetsWmCommandAfterThePopupCloses) {
  int popups_at_command = -1;
  On(owner_, WM_COMMAND, [&](HWND, WPARAM, LPARAM) -> LRESULT {
    popups_at_command = PopupCount();
    return 0;
  });
  PressWhenOpen({VK_DOWN, VK_RETURN});
  EXPECT_NE(app_.TrackPopupMenu(menu_, TPM_LEFTALIGN, 0, 0, owner_), 0);
  EXPECT_EQ(SequenceWithWParam({WM_COMMAND}),
            (std::vector<std::string>{"owner:WM_COMMAND(" + std::to_string(kOne) + ")"}));
  EXPECT_EQ(popups_at_command, 0);
  PressWhenOpen({VK_ESCAPE});
  EXPECT_EQ(app_.TrackPopupMenu(menu_, TPM_LEFTALIGN, 0, 0, owner_), 0);
  EXPECT_EQ(CountOf(owner_, WM_COMMAND), 1);
}

TEST_F(MenusTest, APersonCanClickAnItemWhileTimersRun) {
  app_.SetTimer(owner_, 1, 100);
  std::vector<sim::ModalInfo> opened;
  desktop_.ScheduleAt(0.5, [&] {
    opened = desktop_.OpenModals();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(desktop_.UserChooseMenuCommand(opened[0].window, kTwo), sim::InputResult::kDisabled);
    EXPECT_EQ(desktop_.UserChooseMenuCommand(opened[0].window, 999), sim::InputResult::kNoWindow);
    EXPECT_EQ(desktop_.UserChooseMenuCommand(opened[0].window, kSubB),
              sim::InputResult::kDelivered);
  });
  EXPECT_EQ(app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_), static_cast<int>(kSubB));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].kind, sim::ModalKind::kPopupMenu);
  EXPECT_EQ(opened[0].owner, owner_);
  EXPECT_GE(CountOf(owner_, WM_TIMER), 4);
}

TEST_F(MenusTest, APopupClosedFromOutsideIsCancelled) {
  desktop_.ScheduleAt(
      0.5, [&] { other_.PostMessage(other_.FindWindow("#32768", nullptr), WM_CLOSE, 0, 0); });
  EXPECT_EQ(app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_), 0);
  EXPECT_TRUE(desktop_.OpenModals().empty());
  EXPECT_EQ(app_.TrackPopupMenu(0x4242, TPM_RETURNCMD, 0, 0, owner_), 0) << "no such menu";
}

TEST_F(MenusTest, AWatchdogInsideAPopupLeavesNothingOpen) {
  desktop_.SetWatchdog(2.0);
  EXPECT_THROW(app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_), sim::WatchdogExpired);
  EXPECT_EQ(PopupCount(), 0);
  EXPECT_TRUE(desktop_.OpenModals().empty());
}

class ModalLog : public sim::DesktopObserver {
 public:
  void OnModalOpened(const sim::ModalInfo& info) override {
    events.push_back("opened " + std::to_string(static_cast<int>(info.kind)));
  }
  void OnModalClosed(const sim::ModalInfo& info, int answer) override {
    events.push_back("closed " + std::to_string(static_cast<int>(info.kind)) + " " +
                     std::to_string(answer));
  }
  std::vector<std::string> events;
};

TEST_F(MenusTest, ObserversHearThePopupOpenAndClose) {
  ModalLog observer;
  desktop_.AddObserver(&observer);
  PressWhenOpen({VK_DOWN, VK_RETURN});
  app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_);
  desktop_.RemoveObserver(&observer);
  PressWhenOpen({VK_ESCAPE});
  app_.TrackPopupMenu(menu_, TPM_RETURNCMD, 0, 0, owner_);
  const std::string popup = std::to_string(static_cast<int>(sim::ModalKind::kPopupMenu));
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"opened " + popup,
                                      "closed " + popup + " " + std::to_string(kOne)}));
}

}  // namespace
}  // namespace winsys::testing

#endif  // TOLLMERE_WIN32_DESKTOP
