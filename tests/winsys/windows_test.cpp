// Windows: finding them by class and caption, their order, their relations, their destruction.

#include <string>
#include <vector>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

class WindowsTest : public DesktopTest {};

struct FindCase {
  const char* class_name;
  const char* caption;
  bool found;
};

TEST_F(WindowsTest, FindWindowComparesClassAndCaptionWholeWithoutCase) {
  app_.RegisterClass("AOL Frame25", app_.ClassProcedure(kRecorderClass));
  CreateParams params;
  params.class_name = "AOL Frame25";
  params.caption = "America  Online \xC9t\xE9";  // with accented letters of the 8-bit set
  const HWND frame = app_.CreateWindow(params);
  ASSERT_NE(frame, kNoWindow);

  const FindCase cases[] = {
      {"AOL Frame25", nullptr, true},
      {"aol frame25", nullptr, true},
      {"AOL FRAME25", "america  online \xE9T\xC9", true},
      {nullptr, "AMERICA  ONLINE \xC9T\xC9", true},
      {"AOL Frame", nullptr, false},  // class names compare whole
      {"AOL Frame25 ", nullptr, false},
      {nullptr, "America  Online", false},  // so do captions
      {nullptr, "America Online \xC9t\xE9", false},
      {"AOL Frame25", "", false},
      {"Recorder", "America  Online \xC9t\xE9", false},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(std::string(c.class_name ? c.class_name : "(any)") + " / " +
                 (c.caption ? c.caption : "(any)"));
    // Whichever process asks, the answer is the same.
    EXPECT_EQ(other_.FindWindow(c.class_name, c.caption), c.found ? frame : kNoWindow);
    EXPECT_EQ(app_.FindWindowEx(kNoWindow, kNoWindow, c.class_name, c.caption),
              c.found ? frame : kNoWindow);
  }
  EXPECT_EQ(other_.GetClassName(frame), "AOL Frame25");
}

TEST_F(WindowsTest, RegisteringAClassTwiceInAnyCaseFails) {
  EXPECT_FALSE(app_.RegisterClass("recorder", app_.ClassProcedure(kRecorderClass)));
  EXPECT_FALSE(app_.ClassProcedure("no such class"));
  CreateParams params;
  params.class_name = "no such class";
  EXPECT_EQ(app_.CreateWindow(params), kNoWindow);
}

TEST_F(WindowsTest, FindWindowExWalksDirectChildrenInCreationOrder) {
  const HWND parent = Make(app_, "parent");
  const HWND first = MakeChild(app_, "first", parent, 1, "OK");
  const HWND box = MakeChild(app_, "box", parent, 2, "Box");
  const HWND second = MakeChild(app_, "second", parent, 3, "ok");
  const HWND inner = MakeChild(app_, "inner", box, 4, "OK");
  app_.RegisterClass("Other", app_.ClassProcedure(kRecorderClass));
  CreateParams params;
  params.class_name = "Other";
  params.style = WS_CHILD;
  params.parent = parent;
  params.caption = "OK";
  const HWND odd = app_.CreateWindow(params);

  struct Case {
    HWND after;
    const char* class_name;
    const char* caption;
    HWND expected;
  };
  const Case cases[] = {
      {kNoWindow, nullptr, nullptr, first},  {kNoWindow, "recorder", "ok", first},
      {first, "Recorder", "OK", second},  // starts after the given child
      {second, "Recorder", "OK", kNoWindow}, {second, nullptr, "OK", odd},
      {box, nullptr, nullptr, second},       {odd, nullptr, nullptr, kNoWindow},
      {inner, nullptr, nullptr, kNoWindow},  // not a direct child: nothing
      {kNoWindow, "Other", nullptr, odd},    {kNoWindow, nullptr, "Box", box},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("after " + NameOf(c.after));
    EXPECT_EQ(other_.FindWindowEx(parent, c.after, c.class_name, c.caption), c.expected)
        << "found " << NameOf(other_.FindWindowEx(parent, c.after, c.class_name, c.caption));
  }
  EXPECT_EQ(app_.FindWindowEx(box, kNoWindow, nullptr, "OK"), inner);
}

TEST_F(WindowsTest, GetWindowFollowsTheOrderAndTheOwner) {
  const HWND parent = Make(app_, "parent");
  const HWND a = MakeChild(app_, "a", parent);
  const HWND b = MakeChild(app_, "b", parent);
  const HWND c = MakeChild(app_, "c", parent);
  const HWND owned = Make(app_, "owned", WS_POPUP, a);  // the owner becomes a's top-level window

  EXPECT_EQ(app_.GetWindow(parent, GW_CHILD), a);
  EXPECT_EQ(app_.GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(app_.GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(app_.GetWindow(c, GW_HWNDNEXT), kNoWindow);
  EXPECT_EQ(app_.GetWindow(c, GW_HWNDFIRST), a);
  EXPECT_EQ(app_.GetWindow(a, GW_CHILD), kNoWindow);
  EXPECT_EQ(app_.GetWindow(owned, GW_OWNER), parent);
  EXPECT_EQ(app_.GetWindow(a, GW_OWNER), kNoWindow);
  EXPECT_EQ(app_.GetParent(a), parent);
  EXPECT_EQ(app_.GetParent(owned), parent);  // a popup's parent is its owner
  EXPECT_EQ(app_.GetParent(parent), kNoWindow);
  EXPECT_EQ(app_.GetDlgItem(parent, 0), a);
  EXPECT_EQ(app_.GetWindow(kNoWindow, GW_CHILD), kNoWindow);
}

TEST_F(WindowsTest, MdiChildrenEnumerateNewestOrLastActivatedFirst) {
  const HWND frame = Make(app_, "frame");
  CreateParams params;
  params.class_name = "MDIClient";
  params.style = WS_CHILD | WS_VISIBLE;
  params.parent = frame;
  const HWND client = app_.CreateWindow(params);
  ASSERT_NE(client, kNoWindow);
  const HWND one = MakeChild(app_, "one", client);
  const HWND two = MakeChild(app_, "two", client);
  const HWND three = MakeChild(app_, "three", client);

  auto order = [&] {
    std::vector<std::string> names;
    for (HWND child = other_.FindWindowEx(client, kNoWindow, nullptr, nullptr); child != kNoWindow;
         child = other_.FindWindowEx(client, child, nullptr, nullptr)) {
      names.push_back(NameOf(child));
    }
    return names;
  };
  EXPECT_EQ(order(), (std::vector<std::string>{"three", "two", "one"}));
  other_.SendMessage(client, WM_MDIACTIVATE, one, 0);
  EXPECT_EQ(order(), (std::vector<std::string>{"one", "three", "two"}));
  other_.PostMessage(client, WM_MDIACTIVATE, two, 0);
  app_.DoEvents();
  EXPECT_EQ(order(), (std::vector<std::string>{"two", "one", "three"}));
  app_.BringWindowToTop(three);
  EXPECT_EQ(order(), (std::vector<std::string>{"three", "two", "one"}));
}

TEST_F(WindowsTest, TopLevelWindowsEnumerateNewestOrRaisedFirstWithTopmostAhead) {
  // Under Wine on a bare X display (no window manager) SetForegroundWindow and HWND_BOTTOM
  // did not reorder the top-level windows as called; not settled yet, so only simulated here.
  if (!kSimulated) GTEST_SKIP() << "top-level order on a bare X display";
  // Shown: a hidden window does not come to the front by SetForegroundWindow.
  const DWORD shown = WS_POPUP | WS_VISIBLE;
  const HWND a = Make(app_, "a", shown);
  const HWND b = Make(other_, "b", shown);
  const HWND c = Make(app_, "c", shown);
  auto order = [&] {
    std::vector<std::string> names;
    for (HWND w = app_.FindWindowEx(kNoWindow, kNoWindow, kRecorderClass, nullptr); w != kNoWindow;
         w = app_.FindWindowEx(kNoWindow, w, kRecorderClass, nullptr)) {
      names.push_back(NameOf(w));
    }
    return names;
  };
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(app_.FindWindow(kRecorderClass, nullptr), c);
  app_.BringWindowToTop(a);
  EXPECT_EQ(order(), (std::vector<std::string>{"a", "c", "b"}));
  other_.SetForegroundWindow(b);
  EXPECT_EQ(order(), (std::vector<std::string>{"b", "a", "c"}));

  ASSERT_TRUE(app_.SetWindowPos(c, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  EXPECT_TRUE(app_.IsTopmost(c));
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "b", "a"}));
  const HWND d = Make(app_, "d", shown);  // a new window comes up behind the topmost one
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "d", "b", "a"}));
  app_.BringWindowToTop(a);
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "a", "d", "b"}));
  app_.SetWindowPos(c, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_FALSE(app_.IsTopmost(c));
  app_.SetWindowPos(d, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "a", "b", "d"}));
  app_.SetWindowPos(d, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(order(), (std::vector<std::string>{"c", "a", "d", "b"}));
}

TEST_F(WindowsTest, CreationSendsCreateParamsAndShowsAfterwards) {
  std::vector<CreateParams> seen;
  bool visible_during_create = true;
  On(kNoWindow, WM_CREATE, [&](HWND window, WPARAM, LPARAM lparam) -> LRESULT {
    seen.push_back(*reinterpret_cast<const CreateParams*>(lparam));
    visible_during_create = visible_during_create && app_.IsWindowVisible(window);
    return 0;
  });
  const HWND parent = Make(app_, "parent", WS_VISIBLE);
  const HWND child = Make(app_, "child", WS_CHILD | WS_VISIBLE, parent, 7, "Hello");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].caption, "Hello");
  EXPECT_EQ(seen[1].control_id, 7);
  EXPECT_EQ(seen[1].parent, parent);
  EXPECT_EQ(seen[1].style, WS_CHILD | WS_VISIBLE);
  EXPECT_FALSE(visible_during_create);
  EXPECT_TRUE(app_.IsWindowVisible(child));
  EXPECT_EQ(Sequence({WM_CREATE, WM_SHOWWINDOW}),
            (std::vector<std::string>{"parent:WM_CREATE", "parent:WM_SHOWWINDOW", "child:WM_CREATE",
                                      "child:WM_SHOWWINDOW"}));
  EXPECT_EQ(app_.GetWindowLongPtr(child, GWLP_ID), 7);
  EXPECT_EQ(static_cast<DWORD>(app_.GetWindowLongPtr(child, GWL_STYLE)) & WS_CHILD, WS_CHILD);
  EXPECT_EQ(app_.SetWindowLongPtr(child, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(app_.GetWindowLongPtr(child, GWLP_USERDATA), 1234);

  // A window whose WM_CREATE answers -1 is not made.
  On(kNoWindow, WM_CREATE, [](HWND, WPARAM, LPARAM) -> LRESULT { return -1; });
  EXPECT_EQ(Make(app_, "refused"), kNoWindow);
}

TEST_F(WindowsTest, DestroyingGoesOwnedFirstThenDestroyDownAndNcDestroyUp) {
  const HWND parent = Make(app_, "parent");
  const HWND child = MakeChild(app_, "child", parent);
  const HWND grandchild = MakeChild(app_, "grandchild", child);
  const HWND sibling = MakeChild(app_, "sibling", parent);
  const HWND owned = Make(app_, "owned", WS_POPUP, parent);
  // Another program's window (with one program there is none).
  const HWND foreign = kTwoPrograms ? Make(other_, "foreign", WS_POPUP, parent) : kNoWindow;

  ASSERT_TRUE(app_.DestroyWindow(parent));
  EXPECT_EQ(Sequence({WM_DESTROY, WM_NCDESTROY}),
            (std::vector<std::string>{
                "owned:WM_DESTROY", "owned:WM_NCDESTROY", "parent:WM_DESTROY", "child:WM_DESTROY",
                "grandchild:WM_DESTROY", "sibling:WM_DESTROY", "grandchild:WM_NCDESTROY",
                "child:WM_NCDESTROY", "sibling:WM_NCDESTROY", "parent:WM_NCDESTROY"}));
  for (HWND gone : {parent, child, grandchild, sibling, owned}) EXPECT_FALSE(app_.IsWindow(gone));
  if (kTwoPrograms) {
    EXPECT_TRUE(app_.IsWindow(foreign));
    EXPECT_EQ(app_.GetWindow(foreign, GW_OWNER), kNoWindow);
  }
  EXPECT_FALSE(app_.DestroyWindow(parent));

  // Handles are never reused.
  const HWND next = Make(app_, "next");
  for (HWND gone : {parent, child, grandchild, sibling, owned}) EXPECT_NE(next, gone);
}

TEST_F(WindowsTest, AProgramCannotDestroyAnotherProgramsWindowButCanCloseIt) {
  SKIP_UNLESS_TWO_PROGRAMS();
  const HWND foreign = Make(other_, "foreign");
  EXPECT_FALSE(app_.DestroyWindow(foreign));
  EXPECT_TRUE(app_.IsWindow(foreign));
  app_.PostMessage(foreign, WM_CLOSE, 0, 0);  // DefWindowProc destroys it
  app_.DoEvents();
  EXPECT_FALSE(app_.IsWindow(foreign));
}

TEST_F(WindowsTest, AWindowMayDestroyItselfWhileHandlingAMessage) {
  const HWND parent = Make(app_, "parent");
  const HWND child = MakeChild(app_, "child", parent);
  On(child, WM_USER, [&](HWND, WPARAM, LPARAM) -> LRESULT {
    app_.DestroyWindow(parent);
    return 5;
  });
  EXPECT_EQ(app_.SendMessage(child, WM_USER, 0, 0), 5);
  EXPECT_FALSE(app_.IsWindow(parent));
  EXPECT_FALSE(app_.IsWindow(child));
}

TEST_F(WindowsTest, SubclassingReplacesOneWindowsProcedure) {
  const HWND a = Make(app_, "a");
  const HWND b = Make(app_, "b");
  WindowProc previous;
  previous = app_.SubclassWindow(a, [&](HWND window, UINT message, WPARAM w, LPARAM l) -> LRESULT {
    if (message == WM_USER) return 42;
    return previous(window, message, w, l);
  });
  ASSERT_TRUE(previous);
  EXPECT_EQ(app_.SendMessage(a, WM_USER, 0, 0), 42);
  EXPECT_EQ(app_.SendMessage(b, WM_USER, 0, 0), 0);
  app_.SetWindowText(a, "through the old procedure");
  EXPECT_EQ(app_.GetWindowText(a), "through the old procedure");
  EXPECT_EQ(CountOf(a, WM_SETTEXT), 1);
  // Not across programs, and not for a window that is gone.
  if (kTwoPrograms) {
    EXPECT_FALSE(other_.SubclassWindow(b, previous));
  }
  EXPECT_FALSE(app_.SubclassWindow(kNoWindow, previous));
}

TEST_F(WindowsTest, RectanglesAddUpToScreenCoordinatesAndResizingSendsWmSize) {
  // Frameless, so that its client area starts where the window does (a captioned window's
  // children start below its caption and border).
  const HWND top = Make(app_, "top", WS_POPUP);
  ASSERT_TRUE(app_.MoveWindow(top, Rect{100, 50, 500, 450}));
  const HWND child = MakeChild(app_, "child", top);
  app_.MoveWindow(child, Rect{10, 20, 110, 70});
  const HWND grandchild = MakeChild(app_, "grandchild", child);
  app_.MoveWindow(grandchild, Rect{1, 2, 11, 12});
  Rect rect;
  ASSERT_TRUE(other_.GetWindowRect(grandchild, rect));
  EXPECT_EQ(rect, (Rect{111, 72, 121, 82}));
  ASSERT_TRUE(other_.GetWindowRect(top, rect));
  EXPECT_EQ(rect, (Rect{100, 50, 500, 450}));
  EXPECT_FALSE(other_.GetWindowRect(kNoWindow, rect));

  ClearLog();
  app_.MoveWindow(child, Rect{30, 40, 130, 90});  // moved, same size
  app_.MoveWindow(child, Rect{30, 40, 230, 90});  // resized
  app_.SetWindowPos(child, HWND_TOP, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Sequence({WM_MOVE, WM_SIZE}),
            (std::vector<std::string>{"child:WM_MOVE", "child:WM_SIZE", "child:WM_SIZE"}));
  ASSERT_TRUE(app_.GetWindowRect(child, rect));
  EXPECT_EQ(rect, (Rect{130, 90, 180, 150}));
  EXPECT_EQ(app_.GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(app_.GetSystemMetrics(SM_CYSCREEN), 768);
  app_.SetCursorPos(300, 200);
  EXPECT_EQ(other_.GetCursorPos(), (Point{300, 200}));
}

TEST_F(WindowsTest, AChildStartsInsideItsParentsFrameCaptionAndMenuBar) {
  const int border_x = app_.GetSystemMetrics(SM_CXBORDER);
  const int border_y = app_.GetSystemMetrics(SM_CYBORDER);
  const int fixed_x = app_.GetSystemMetrics(SM_CXDLGFRAME);
  const int fixed_y = app_.GetSystemMetrics(SM_CYDLGFRAME);
  const int sizing_x = app_.GetSystemMetrics(SM_CXFRAME);
  const int sizing_y = app_.GetSystemMetrics(SM_CYFRAME);
  const int caption = app_.GetSystemMetrics(SM_CYCAPTION);
  const int menu = app_.GetSystemMetrics(SM_CYMENU);
  ASSERT_GT(caption, 0);
  struct Case {
    const char* name;
    DWORD style;
    bool menu_bar;
    Point origin;  // of the client area inside the window rectangle
  };
  const Case cases[] = {
      {"frameless", WS_POPUP, false, {0, 0}},
      {"thin border", WS_POPUP | WS_BORDER, false, {border_x, border_y}},
      {"fixed frame and caption",
       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
       false,
       {fixed_x, fixed_y + caption}},
      {"sizing frame and caption", WS_OVERLAPPEDWINDOW, false, {sizing_x, sizing_y + caption}},
      {"with a menu bar", WS_OVERLAPPEDWINDOW, true, {sizing_x, sizing_y + caption + menu}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND top = Make(app_, c.name, c.style);
    if (c.menu_bar) {
      const HMENU bar = app_.CreateMenu();
      app_.AppendMenu(bar, MF_STRING, 1, "&File");
      ASSERT_TRUE(app_.SetMenu(top, bar));
    }
    ASSERT_TRUE(app_.MoveWindow(top, Rect{100, 50, 500, 450}));
    const HWND child = MakeChild(app_, "child", top);
    app_.MoveWindow(child, Rect{10, 20, 110, 70});
    Rect rect;
    ASSERT_TRUE(other_.GetWindowRect(child, rect));
    EXPECT_EQ((Point{rect.left, rect.top}), (Point{110 + c.origin.x, 70 + c.origin.y}));
    EXPECT_EQ(rect.width(), 100);
    app_.DestroyWindow(top);
  }
  // A captioned child, as the client's windows inside its main one, frames its own children.
  const HWND top = Make(app_, "desk", WS_POPUP);
  app_.MoveWindow(top, Rect{0, 0, 600, 400});
  const HWND inner = Make(app_, "inner", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, top);
  app_.MoveWindow(inner, Rect{20, 30, 320, 230});
  const HWND control = MakeChild(app_, "control", inner);
  app_.MoveWindow(control, Rect{5, 6, 55, 26});
  Rect rect;
  ASSERT_TRUE(app_.GetWindowRect(control, rect));
  EXPECT_EQ((Point{rect.left, rect.top}), (Point{25 + fixed_x, 36 + fixed_y + caption}));
}

TEST_F(WindowsTest, VisibilityNeedsEveryAncestorVisible) {
  const HWND top = Make(app_, "top");
  const HWND middle = MakeChild(app_, "middle", top);
  const HWND leaf = MakeChild(app_, "leaf", middle);
  struct Case {
    bool top, middle, leaf, expected;
  };
  const Case cases[] = {
      {true, true, true, true},   {false, true, true, false},   {true, false, true, false},
      {true, true, false, false}, {false, false, false, false},
  };
  for (const Case& c : cases) {
    app_.ShowWindow(top, c.top ? SW_SHOW : SW_HIDE);
    app_.ShowWindow(middle, c.middle ? SW_SHOW : SW_HIDE);
    app_.ShowWindow(leaf, c.leaf ? SW_SHOW : SW_HIDE);
    EXPECT_EQ(other_.IsWindowVisible(leaf), c.expected) << c.top << c.middle << c.leaf;
  }
  EXPECT_FALSE(other_.IsWindowVisible(kNoWindow));
}

TEST_F(WindowsTest, EnablingSendsWmEnableOnlyOnChange) {
  const HWND window = Make(app_, "window");
  EXPECT_TRUE(app_.IsWindowEnabled(window));
  EXPECT_FALSE(app_.EnableWindow(window, false));  // was enabled
  EXPECT_TRUE(app_.EnableWindow(window, false));   // was disabled already
  EXPECT_FALSE(app_.IsWindowEnabled(window));
  EXPECT_TRUE(app_.EnableWindow(window, true));
  EXPECT_EQ(SequenceWithWParam({WM_ENABLE}),
            (std::vector<std::string>{"window:WM_ENABLE(0)", "window:WM_ENABLE(1)"}));
}

}  // namespace
}  // namespace winsys::testing
