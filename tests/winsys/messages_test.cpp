// Sending and posting: what arrives when, window text, and messages to windows that are not there.

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kThird = WM_USER + 3;

class MessagesTest : public DesktopTest {
 protected:
  MessagesTest() {
    a_ = Make(app_, "a");
    b_ = Make(other_, "b");
  }
  std::vector<std::string> UserMessages() const {
    return Sequence({kFirst, kSecond, kThird, WM_TIMER});
  }

  HWND a_ = kNoWindow;
  HWND b_ = kNoWindow;
};

struct OrderCase;

// The cases act on the fixture directly, so it opens its members to them.
class MessageOrderTest : public MessagesTest, public ::testing::WithParamInterface<OrderCase> {
 public:
  using DesktopTest::On;
  WindowSystem& app() { return app_; }
  WindowSystem& other() { return other_; }
  // Lets the clock move on without dispatching anything.
  void LetTimePass(double seconds) {
#ifdef TOLLMERE_WIN32_DESKTOP
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
#else
    clock_.Advance(seconds);
#endif
  }
  HWND a() const {
    return a_;
  }
  HWND b() const {
    return b_;
  }
};

struct OrderCase {
  const char* name;
  std::function<void(MessageOrderTest&)> act;
  std::vector<std::string> at_once;    // before any DoEvents
  std::vector<std::string> after_one;  // after one DoEvents
  std::vector<std::string> after_two;  // after a second one
};

TEST_P(MessageOrderTest, ArriveInTheExpectedOrder) {
  const OrderCase& c = GetParam();
  c.act(*this);
  EXPECT_EQ(UserMessages(), c.at_once) << "at once";
  app_.DoEvents();
  EXPECT_EQ(UserMessages(), c.after_one) << "after one DoEvents";
  app_.DoEvents();
  EXPECT_EQ(UserMessages(), c.after_two) << "after two";
}

const OrderCase kOrderCases[] = {
    {"SendIsAtOncePostWaits",
     [](MessageOrderTest& self) {
       const HWND a = self.a();
       const HWND b = self.b();
       self.app().PostMessage(a, kFirst, 0, 0);
       self.app().PostMessage(b, kSecond, 0, 0);
       self.app().SendMessage(a, kThird, 0, 0);
     },
     {"a:WM_USER+3"},
     {"a:WM_USER+3", "a:WM_USER+1", "b:WM_USER+2"},
     {"a:WM_USER+3", "a:WM_USER+1", "b:WM_USER+2"}},
    {"APostDuringDispatchWaitsForTheNextDoEvents",
     [](MessageOrderTest& self) {
       const HWND a = self.a();
       const HWND b = self.b();
       self.On(a, kFirst, [&self, b](HWND, WPARAM, LPARAM) -> LRESULT {
         self.app().PostMessage(b, kSecond, 0, 0);
         self.app().SendMessage(b, kThird, 0, 0);
         return 0;
       });
       self.app().PostMessage(a, kFirst, 0, 0);
     },
     {},
     {"a:WM_USER+1", "b:WM_USER+3"},
     {"a:WM_USER+1", "b:WM_USER+3", "b:WM_USER+2"}},
    {"SentInsideSentIsNested",
     [](MessageOrderTest& self) {
       const HWND a = self.a();
       const HWND b = self.b();
       self.On(a, kFirst, [&self, b](HWND, WPARAM, LPARAM) -> LRESULT {
         return self.app().SendMessage(b, kSecond, 0, 0) + 1;
       });
       self.On(b, kSecond, [](HWND, WPARAM, LPARAM) -> LRESULT { return 41; });
       EXPECT_EQ(self.other().SendMessage(a, kFirst, 0, 0), 42);
     },
     {"a:WM_USER+1", "b:WM_USER+2"},
     {"a:WM_USER+1", "b:WM_USER+2"},
     {"a:WM_USER+1", "b:WM_USER+2"}},
    {"PostedToAWindowDestroyedMeanwhileIsDropped",
     [](MessageOrderTest& self) {
       const HWND a = self.a();
       const HWND b = self.b();
       self.app().PostMessage(a, kFirst, 0, 0);
       self.app().PostMessage(b, kSecond, 0, 0);
       self.app().DestroyWindow(a);
     },
     {},
     {"b:WM_USER+2"},
     {"b:WM_USER+2"}},
    {"ATimerWaitsWhileAPostedMessageIsQueued",
     [](MessageOrderTest& self) {
       const HWND a = self.a();
       const HWND b = self.b();
       self.other().SetTimer(b, 9, 10);
       self.LetTimePass(0.05);  // the timer is due
       self.On(a, kFirst, [&self, a](HWND, WPARAM, LPARAM) -> LRESULT {
         self.app().PostMessage(a, kSecond, 0, 0);
         return 0;
       });
       self.app().PostMessage(a, kFirst, 0, 0);
     },
     {},
     {"a:WM_USER+1"},
     {"a:WM_USER+1", "a:WM_USER+2", "b:WM_TIMER"}},
};

INSTANTIATE_TEST_SUITE_P(Sequences, MessageOrderTest, ::testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MessagesTest, GetTextCopiesAtMostOneLessThanTheBufferAndANul) {
  app_.SetWindowText(a_, "Hello");
  struct Case {
    WPARAM size;
    LRESULT copied;
    const char* text;
  };
  const Case cases[] = {{0, 0, "xxxxxxxx"}, {1, 0, ""},      {2, 1, "H"},      {5, 4, "Hell"},
                        {6, 5, "Hello"},    {7, 5, "Hello"}, {100, 5, "Hello"}};
  for (const Case& c : cases) {
    char buffer[9] = "xxxxxxxx";
    std::vector<char> big(200, 'x');
    char* target = c.size > 8 ? big.data() : buffer;
    EXPECT_EQ(other_.SendMessage(a_, WM_GETTEXT, c.size, reinterpret_cast<LPARAM>(target)),
              c.copied)
        << "size " << c.size;
    EXPECT_STREQ(target, c.text) << "size " << c.size;
    if (c.size > 0 && c.size <= 8) {
      EXPECT_EQ(buffer[c.size], 'x') << "wrote past the buffer";
    }
  }
  EXPECT_EQ(other_.SendMessage(a_, WM_GETTEXTLENGTH, 0, 0), 5);
  EXPECT_EQ(app_.GetWindowTextLength(a_), 5);
}

// The client's lists are classes derived from the standard list box, read from the other
// program: each item's text comes back whole, bytes above 0x7F included, and nothing is written
// past the length the list gave for it.
TEST_F(MessagesTest, AnItemOfADerivedListComesBackWholeAndEndsAtItsLength) {
  const WindowProc list_box = other_.ClassProcedure("ListBox");
  ASSERT_TRUE(list_box);
  ASSERT_TRUE(other_.RegisterClass("Derived Tree", list_box));
  CreateParams params;
  params.class_name = "Derived Tree";
  params.style = WS_CHILD | WS_VISIBLE;
  params.parent = b_;
  params.rect = Rect{0, 0, 200, 100};
  const HWND tree = other_.CreateWindow(params);
  ASSERT_NE(tree, kNoWindow);
  const std::string items[] = {"\x95 tollmere server list 1", "", "Picture of the day 12"};
  for (const std::string& item : items) {
    other_.SendMessage(tree, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  for (WPARAM i = 0; i < std::size(items); ++i) {
    SCOPED_TRACE(items[i]);
    const LRESULT length = app_.SendMessage(tree, LB_GETTEXTLEN, i, 0);
    ASSERT_EQ(length, static_cast<LRESULT>(items[i].size()));
    std::string buffer(static_cast<std::size_t>(length) + 1 + 8, 'x');
    EXPECT_EQ(app_.SendMessage(tree, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data())),
              length);
    EXPECT_EQ(std::string(buffer.c_str()), items[i]);
    EXPECT_EQ(buffer.substr(static_cast<std::size_t>(length) + 1), "xxxxxxxx")
        << "wrote past the item's length";
  }
}

// Made taller than its edit, a drop-down combo keeps the edit's height and gives its list the rest.
TEST_F(MessagesTest, ADropDownCombosHeightIsItsEditsAndItsListsTogether) {
  CreateParams params;
  params.class_name = "ComboBox";
  params.style = WS_CHILD | CBS_DROPDOWN;
  params.parent = a_;
  params.rect = Rect{0, 0, 150, 160};
  const HWND combo = app_.CreateWindow(params);
  Rect closed, dropped;
  ASSERT_TRUE(app_.GetWindowRect(combo, closed));
  app_.SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_LT(closed.height(), 40);
  EXPECT_GE(dropped.height(), 160 - 2 * closed.height());  // less the list's frame
}

TEST_F(MessagesTest, SetTextStoresAndAnswersOne) {
  const std::string text = "Joe: /handle send 12";
  EXPECT_EQ(app_.SendMessage(a_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())), 1);
  EXPECT_EQ(other_.GetWindowText(a_), text);
  EXPECT_EQ(app_.SendMessage(a_, WM_SETTEXT, 0, 0), 1);  // no text: empty
  EXPECT_EQ(other_.GetWindowText(a_), "");
  EXPECT_TRUE(app_.SetWindowText(a_, "caption"));
  EXPECT_EQ(CountOf(a_, WM_SETTEXT), 3);
}

TEST_F(MessagesTest, OwnWindowsAreAskedForTheirTextOthersAnswerTheirStoredCaption) {
  SKIP_UNLESS_TWO_PROGRAMS();
  app_.SetWindowText(a_, "stored");
  // A control that keeps its live text apart from its caption, as an edit control does.
  const std::string live = "live text";
  On(a_, WM_GETTEXTLENGTH,
     [&](HWND, WPARAM, LPARAM) -> LRESULT { return static_cast<LRESULT>(live.size()); });
  On(a_, WM_GETTEXT, [&](HWND, WPARAM size, LPARAM buffer) -> LRESULT {
    const std::size_t count = std::min<std::size_t>(live.size(), size - 1);
    std::memcpy(reinterpret_cast<char*>(buffer), live.data(), count);
    reinterpret_cast<char*>(buffer)[count] = '\0';
    return static_cast<LRESULT>(count);
  });
  EXPECT_EQ(app_.GetWindowText(a_), "live text");
  EXPECT_EQ(other_.GetWindowText(a_), "stored");
  EXPECT_EQ(other_.GetWindowTextLength(a_), 6);
  char buffer[32] = {};
  other_.SendMessage(a_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "live text");  // the message reaches the live text from anywhere
}

TEST_F(MessagesTest, NothingHappensForNoWindowOrAWindowThatIsGone) {
  const HWND gone = Make(app_, "gone");
  app_.DestroyWindow(gone);
  for (HWND window : {kNoWindow, gone}) {
    ClearLog();
    EXPECT_FALSE(app_.IsWindow(window));
    EXPECT_EQ(app_.SendMessage(window, WM_USER, 1, 2), 0);
    EXPECT_FALSE(app_.PostMessage(window, WM_USER, 1, 2));
    EXPECT_FALSE(app_.SetWindowText(window, "x"));
    EXPECT_EQ(app_.GetWindowText(window), "");
    EXPECT_EQ(app_.GetWindowTextLength(window), 0);
    EXPECT_FALSE(app_.ShowWindow(window, SW_SHOW));
    EXPECT_FALSE(app_.IsWindowVisible(window));
    EXPECT_EQ(app_.SetTimer(window, 1, 100), 0u);
    EXPECT_EQ(app_.GetClassName(window), "");
    DWORD process = 99;
    EXPECT_EQ(app_.GetWindowThreadProcessId(window, &process), 0u);
    EXPECT_EQ(process, 0u);
    app_.DoEvents();
    EXPECT_TRUE(log().empty());
  }
}

TEST_F(MessagesTest, CloseDestroysThroughDefWindowProc) {
  app_.SendMessage(a_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(app_.IsWindow(a_));
  EXPECT_EQ(Sequence({WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
            (std::vector<std::string>{"a:WM_CLOSE", "a:WM_DESTROY", "a:WM_NCDESTROY"}));
}

TEST_F(MessagesTest, EveryWindowBelongsToTheProcessThatMadeIt) {
  SKIP_UNLESS_TWO_PROGRAMS();
  DWORD process = 0;
  const DWORD thread = other_.GetWindowThreadProcessId(a_, &process);
  EXPECT_EQ(process, app_.GetCurrentProcessId());
  EXPECT_NE(thread, 0u);
  other_.GetWindowThreadProcessId(b_, &process);
  EXPECT_EQ(process, other_.GetCurrentProcessId());
  EXPECT_NE(app_.GetCurrentProcessId(), other_.GetCurrentProcessId());
}

TEST_F(MessagesTest, TheClipboardHoldsPlainTextForEveryProgram) {
  EXPECT_FALSE(app_.GetClipboardText().has_value());
  EXPECT_TRUE(app_.SetClipboardText("Serving report"));
  EXPECT_EQ(other_.GetClipboardText(), "Serving report");
}

}  // namespace
}  // namespace winsys::testing
