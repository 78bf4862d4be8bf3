// Input as a person gives it, refused where a person could not give it, and activation.

// These cases stage input, time and popup menus through the simulated desktop itself.
#ifndef TOLLMERE_WIN32_DESKTOP
#include <string>
#include <vector>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

class InputTest : public DesktopTest {
 protected:
  InputTest() {
    form_ = Make(app_, "form", WS_VISIBLE);
    panel_ = MakeChild(app_, "panel", form_);
    button_ = MakeChild(app_, "button", panel_, 5);
    foreign_ = Make(other_, "foreign", WS_VISIBLE);
  }
  sim::ModalInfo ModalOf(HWND window) {
    sim::ModalInfo info;
    info.window = window;
    info.owner = form_;
    info.process = app_.GetCurrentProcessId();
    return info;
  }
  HWND form_ = kNoWindow;
  HWND panel_ = kNoWindow;
  HWND button_ = kNoWindow;
  HWND foreign_ = kNoWindow;
};

TEST_F(InputTest, AClickIsRefusedWhereAPersonCouldNotClick) {
  const HWND gone = MakeChild(app_, "gone", form_);
  app_.DestroyWindow(gone);
  struct Case {
    const char* name;
    std::function<void()> set_up;
    HWND target;
    sim::InputResult expected;
  };
  const std::vector<Case> cases = {
      {"plain", [] {}, button_, sim::InputResult::kDelivered},
      {"no window", [] {}, kNoWindow, sim::InputResult::kNoWindow},
      {"destroyed", [] {}, gone, sim::InputResult::kNoWindow},
      {"disabled", [&] { app_.EnableWindow(button_, false); }, button_,
       sim::InputResult::kDisabled},
      {"disabled parent", [&] { app_.EnableWindow(panel_, false); }, button_,
       sim::InputResult::kDisabled},
      {"hidden", [&] { app_.ShowWindow(button_, SW_HIDE); }, button_, sim::InputResult::kHidden},
      {"hidden top-level window", [&] { app_.ShowWindow(form_, SW_HIDE); }, button_,
       sim::InputResult::kHidden},
      {"under a modal window",
       [&] { desktop_.BeginModal(ModalOf(Make(app_, "dialog", WS_POPUP | WS_VISIBLE, form_))); },
       button_, sim::InputResult::kUnderModal},
      {"modal window closed without telling",
       [&] {
         const HWND dialog = Make(app_, "dialog", WS_POPUP | WS_VISIBLE, form_);
         desktop_.BeginModal(ModalOf(dialog));
         app_.DestroyWindow(dialog);
       },
       button_, sim::InputResult::kDelivered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app_.EnableWindow(button_, true);
    app_.EnableWindow(panel_, true);
    app_.ShowWindow(form_, SW_SHOW);
    app_.ShowWindow(button_, SW_SHOW);
    for (const sim::ModalInfo& open : desktop_.OpenModals()) desktop_.EndModal(open.window, 0);
    c.set_up();
    ClearLog();
    EXPECT_EQ(desktop_.UserClick(c.target), c.expected);
    const bool delivered = c.expected == sim::InputResult::kDelivered;
    EXPECT_EQ(CountOf(button_, WM_LBUTTONDOWN), delivered ? 1 : 0);
  }
}

TEST_F(InputTest, UnderAModalOnlyTheNewestModalAndOtherProgramsTakeInput) {
  const HWND first = Make(app_, "first", WS_POPUP | WS_VISIBLE, form_);
  const HWND first_ok = MakeChild(app_, "first ok", first, 1);
  desktop_.BeginModal(ModalOf(first));
  EXPECT_EQ(desktop_.UserClick(first_ok), sim::InputResult::kDelivered);
  EXPECT_EQ(desktop_.UserClick(button_), sim::InputResult::kUnderModal);
  EXPECT_EQ(desktop_.UserClick(foreign_), sim::InputResult::kDelivered);

  const HWND second = Make(app_, "second", WS_POPUP | WS_VISIBLE, first);
  const HWND second_ok = MakeChild(app_, "second ok", second, 1);
  desktop_.BeginModal(ModalOf(second));
  EXPECT_EQ(desktop_.UserClick(first_ok), sim::InputResult::kUnderModal);
  EXPECT_EQ(desktop_.UserClick(second_ok), sim::InputResult::kDelivered);
  EXPECT_EQ(desktop_.UserKey(first_ok, VK_RETURN), sim::InputResult::kUnderModal);
  EXPECT_EQ(desktop_.UserType(button_, "x"), sim::InputResult::kUnderModal);
  EXPECT_EQ(desktop_.UserClose(form_), sim::InputResult::kUnderModal);
  EXPECT_TRUE(app_.IsWindow(form_));

  desktop_.EndModal(second, IDOK);
  EXPECT_EQ(desktop_.UserClick(first_ok), sim::InputResult::kDelivered);
  desktop_.EndModal(first, IDOK);
  EXPECT_EQ(desktop_.UserClick(button_), sim::InputResult::kDelivered);
}

TEST_F(InputTest, EachKindOfInputSendsWhatWindowsSends) {
  struct Case {
    const char* name;
    std::function<sim::InputResult()> act;
    std::vector<std::string> expected;
  };
  const std::vector<UINT> kinds = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_KEYDOWN,
                                   WM_CHAR,        WM_KEYUP,     WM_SETTEXT,       WM_COMMAND,
                                   WM_CLOSE,       WM_DESTROY};
  const std::vector<Case> cases = {
      {"click",
       [&] { return desktop_.UserClick(button_); },
       {"button:WM_LBUTTONDOWN", "button:WM_LBUTTONUP"}},
      {"double click",
       [&] { return desktop_.UserDoubleClick(button_); },
       {"button:WM_LBUTTONDOWN", "button:WM_LBUTTONUP", "button:WM_LBUTTONDBLCLK",
        "button:WM_LBUTTONUP"}},
      {"return",
       [&] { return desktop_.UserKey(button_, VK_RETURN); },
       {"button:WM_KEYDOWN", "button:WM_CHAR", "button:WM_KEYUP"}},
      {"down arrow",
       [&] { return desktop_.UserKey(button_, VK_DOWN); },
       {"button:WM_KEYDOWN", "button:WM_KEYUP"}},
      {"typing",
       [&] { return desktop_.UserType(button_, "hello"); },
       {"button:WM_SETTEXT", "panel:WM_COMMAND"}},
      {"close box",
       [&] { return desktop_.UserClose(form_); },
       {"form:WM_CLOSE", "form:WM_DESTROY", "panel:WM_DESTROY", "button:WM_DESTROY"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    EXPECT_EQ(c.act(), sim::InputResult::kDelivered);
    EXPECT_EQ(Sequence(kinds), c.expected);
  }
}

TEST_F(InputTest, TypingNotifiesTheParentWithEnChange) {
  ASSERT_EQ(desktop_.UserType(button_, "Joe"), sim::InputResult::kDelivered);
  const Recorded command = log().back();
  EXPECT_EQ(app_.GetWindowText(button_), "Joe");
  EXPECT_EQ(command.window, panel_);
  EXPECT_EQ(command.message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(command.wparam, MakeWParam(5, EN_CHANGE));
  EXPECT_EQ(command.lparam, static_cast<LPARAM>(button_));
}

TEST_F(InputTest, SelectingAnItemSetsTheSelectionThenNotifiesTheParent) {
  int selected = -1;
  On(button_, LB_SETCURSEL, [&](HWND, WPARAM index, LPARAM) -> LRESULT {
    if (index >= 3) return LB_ERR;
    selected = static_cast<int>(index);
    return static_cast<LRESULT>(index);
  });
  ASSERT_EQ(desktop_.UserSelect(button_, 2), sim::InputResult::kDelivered);
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(log().back().message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(log().back().wparam, MakeWParam(5, LBN_SELCHANGE));
  ClearLog();
  ASSERT_EQ(desktop_.UserDoubleClickItem(button_, 1), sim::InputResult::kDelivered);
  EXPECT_EQ(
      SequenceWithWParam({WM_COMMAND}),
      (std::vector<std::string>{"panel:WM_COMMAND(" + std::to_string(MakeWParam(5, 1)) + ")",
                                "panel:WM_COMMAND(" + std::to_string(MakeWParam(5, 2)) + ")"}));
  ClearLog();
  desktop_.UserSelect(button_, 7);  // below the last item: nothing selected, nobody told
  EXPECT_EQ(CountOf(panel_, WM_COMMAND), 0);
}

class ActivationTest : public DesktopTest {
 protected:
  std::vector<std::string> Activations() const {
    std::vector<std::string> out;
    for (const Recorded& entry : log()) {
      if (entry.message != WM_ACTIVATE) continue;
      out.push_back(NameOf(entry.window) + (entry.wparam == WA_INACTIVE ? " off" : " on") + " (" +
                    NameOf(static_cast<HWND>(entry.lparam)) + ")");
    }
    return out;
  }
};

TEST_F(ActivationTest, ShowingRaisingClickingHidingAndDestroyingMoveTheActiveWindow) {
  const HWND a = Make(app_, "a");
  const HWND b = Make(app_, "b");
  const HWND b_button = MakeChild(app_, "b button", b);
  const HWND client = Make(other_, "client");
  struct Step {
    const char* name;
    std::function<void()> act;
    std::vector<std::string> expected;
    HWND foreground;
  };
  const std::vector<Step> steps = {
      {"show a", [&] { app_.ShowWindow(a, SW_SHOW); }, {"a on (0)"}, a},
      {"show b", [&] { app_.ShowWindow(b, SW_SHOWNORMAL); }, {"a off (b)", "b on (a)"}, b},
      {"show b again", [&] { app_.ShowWindow(b, SW_SHOW); }, {}, b},
      {"raise a", [&] { app_.BringWindowToTop(a); }, {"b off (a)", "a on (b)"}, a},
      {"click in b", [&] { desktop_.UserClick(b_button); }, {"a off (b)", "b on (a)"}, b},
      {"click in b again", [&] { desktop_.UserClick(b_button); }, {}, b},
      // Another program's window names no window of this one.
      {"client to the front",
       [&] { other_.ShowWindow(client, SW_SHOW); },
       {"b off (0)", "client on (0)"},
       client},
      {"a to the foreground",
       [&] { app_.SetForegroundWindow(a); },
       {"client off (0)", "a on (0)"},
       a},
      {"hide a", [&] { app_.ShowWindow(a, SW_HIDE); }, {"a off (b)", "b on (a)"}, b},
      {"destroy b", [&] { app_.DestroyWindow(b); }, {"b off (0)"}, kNoWindow},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ClearLog();
    step.act();
    EXPECT_EQ(Activations(), step.expected);
    EXPECT_EQ(other_.GetForegroundWindow(), step.foreground);
  }
}

TEST_F(ActivationTest, AShownWindowComesToTheFrontAndWindowsCreatedVisibleAreActivated) {
  const HWND a = Make(app_, "a", WS_VISIBLE);
  const HWND b = Make(app_, "b");
  EXPECT_EQ(app_.GetForegroundWindow(), a);
  app_.ShowWindow(b, SW_SHOW);
  EXPECT_EQ(app_.FindWindow(kRecorderClass, nullptr), b);
  app_.ShowWindow(a, SW_RESTORE);
  EXPECT_EQ(app_.FindWindow(kRecorderClass, nullptr), a);
  EXPECT_EQ(Activations(), (std::vector<std::string>{"a on (0)", "a off (b)", "b on (a)",
                                                     "b off (a)", "a on (b)"}));
}

TEST_F(ActivationTest, FocusMovesWithKillAndSetFocus) {
  const HWND form = Make(app_, "form", WS_VISIBLE);
  const HWND first = MakeChild(app_, "first", form);
  const HWND second = MakeChild(app_, "second", form);
  EXPECT_EQ(app_.SetFocus(first), kNoWindow);
  EXPECT_EQ(app_.SetFocus(second), first);
  EXPECT_EQ(app_.GetFocus(), second);
  EXPECT_EQ(other_.GetFocus(), kNoWindow);  // the focus is this program's
  EXPECT_EQ(
      Sequence({WM_SETFOCUS, WM_KILLFOCUS}),
      (std::vector<std::string>{"first:WM_SETFOCUS", "first:WM_KILLFOCUS", "second:WM_SETFOCUS"}));
  app_.EnableWindow(second, false);  // a disabled window loses the focus
  EXPECT_EQ(app_.GetFocus(), kNoWindow);
}

}  // namespace
}  // namespace winsys::testing

#endif  // TOLLMERE_WIN32_DESKTOP
