// The "ListBox" class: a table of messages and their answers, selection bookkeeping, sorting,
// searching and the notifications.

#include <optional>
#include <string>
#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

constexpr int kListId = 3;
constexpr WPARAM kMinusOne = static_cast<WPARAM>(-1);

struct Step {
  UINT message;
  WPARAM wparam;
  std::optional<std::string> text;  // lParam points at it when given
  LPARAM lparam;                    // otherwise lParam
  LRESULT expected;
};

class ListBoxTest : public SimFixture {
 protected:
  void Run(HWND window, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      SCOPED_TRACE("step " + std::to_string(i));
      const LPARAM lparam = step.text ? reinterpret_cast<LPARAM>(step.text->c_str()) : step.lparam;
      EXPECT_EQ(Send(window, step.message, step.wparam, lparam), step.expected);
    }
  }

  std::vector<std::string> Items(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(Send(list, LB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
      std::string text(static_cast<std::size_t>(Send(list, LB_GETTEXTLEN, i)) + 1, '\0');
      text.resize(static_cast<std::size_t>(
          Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
      items.push_back(text);
    }
    return items;
  }
};

TEST_F(ListBoxTest, MessagesAndTheirAnswers) {
  const HWND list = CreateControl("ListBox", "", WS_VSCROLL, kListId);
  Run(list, {
                {LB_GETCOUNT, 0, {}, 0, 0},
                {LB_GETCURSEL, 0, {}, 0, LB_ERR},
                {LB_ADDSTRING, 0, "bob", 0, 0},
                {LB_ADDSTRING, 0, "Alice", 0, 1},
                {LB_INSERTSTRING, 0, "carol", 0, 0},
                {LB_INSERTSTRING, kMinusOne, "dave", 0, 3},
                {LB_INSERTSTRING, 4, "erin", 0, 4},
                {LB_INSERTSTRING, 6, "nowhere", 0, LB_ERR},
                {LB_DELETESTRING, 4, {}, 0, 4},
                {LB_GETCOUNT, 0, {}, 0, 4},
                {LB_GETTEXTLEN, 1, {}, 0, 3},
                {LB_GETTEXTLEN, 4, {}, 0, LB_ERR},
                {LB_GETTEXTLEN, kMinusOne, {}, 0, LB_ERR},
                {LB_GETTEXT, 9, {}, 0, LB_ERR},
                {LB_SETCURSEL, 2, {}, 0, 2},
                {LB_GETCURSEL, 0, {}, 0, 2},
                {LB_SETCURSEL, 4, {}, 0, LB_ERR},
                {LB_GETCURSEL, 0, {}, 0, LB_ERR},
                {LB_SETCURSEL, 1, {}, 0, 1},
                {LB_SETCURSEL, kMinusOne, {}, 0, LB_ERR},
                {LB_GETCURSEL, 0, {}, 0, LB_ERR},
                {LB_SETITEMDATA, 1, {}, 0x00400010, LB_OKAY},
                {LB_GETITEMDATA, 1, {}, 0, 0x00400010},
                {LB_GETITEMDATA, 0, {}, 0, 0},
                {LB_GETITEMDATA, 4, {}, 0, LB_ERR},
                {LB_SETITEMDATA, 4, {}, 1, LB_ERR},
                {LB_FINDSTRINGEXACT, kMinusOne, "ALICE", 0, 2},
                {LB_FINDSTRINGEXACT, kMinusOne, "Ali", 0, LB_ERR},
                {LB_DELETESTRING, 0, {}, 0, 3},
                {LB_DELETESTRING, 3, {}, 0, LB_ERR},
                {LB_DELETESTRING, kMinusOne, {}, 0, LB_ERR},
                {LB_GETITEMDATA, 0, {}, 0, 0x00400010},
                {LB_RESETCONTENT, 0, {}, 0, LB_OKAY},
                {LB_GETCOUNT, 0, {}, 0, 0},
                {LB_GETTEXTLEN, 0, {}, 0, LB_ERR},
                {LB_DELETESTRING, 0, {}, 0, LB_ERR},
            });
}

TEST_F(ListBoxTest, GetTextCopiesTheWholeItemAndANul) {
  const HWND list = CreateControl("ListBox", "", 0, kListId);
  SendText(list, LB_ADDSTRING, 0, "\x95 Ben - 12");
  char buffer[32];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  EXPECT_EQ(Send(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 10);
  EXPECT_STREQ(buffer, "\x95 Ben - 12");
}

struct SelectionCase {
  const char* name;
  int selected;
  UINT message;
  WPARAM index;
  LRESULT after;
};

TEST_F(ListBoxTest, SelectionFollowsItsItem) {
  const SelectionCase cases[] = {
      {"insert before", 1, LB_INSERTSTRING, 0, 2},
      {"insert after", 1, LB_INSERTSTRING, 2, 1},
      {"append", 1, LB_INSERTSTRING, kMinusOne, 1},
      {"delete before", 2, LB_DELETESTRING, 0, 1},
      {"delete after", 0, LB_DELETESTRING, 1, 0},
      {"delete the selected", 1, LB_DELETESTRING, 1, LB_ERR},
      {"reset", 1, LB_RESETCONTENT, 0, LB_ERR},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND list = CreateControl("ListBox", "", 0, kListId);
    for (const char* item : {"a", "b", "c"}) SendText(list, LB_ADDSTRING, 0, item);
    Send(list, LB_SETCURSEL, static_cast<WPARAM>(c.selected));
    SendText(list, c.message, c.index, "new");
    EXPECT_EQ(Send(list, LB_GETCURSEL), c.after);
    app_.DestroyWindow(list);
  }
}

TEST_F(ListBoxTest, SortedListAddsInPlaceWithoutCaseAndInsertsWhereTold) {
  const HWND list = CreateControl("ListBox", "", LBS_SORT, kListId);
  EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "pear"), 0);
  EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "Apple"), 0);
  EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "banana"), 1);
  EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "apple"), 1);
  // Accented letters order by their byte, after the unaccented ones.
  EXPECT_EQ(SendText(list, LB_ADDSTRING, 0,
                     "\xC9"
                     "clair"),
            4);
  EXPECT_EQ(SendText(list, LB_INSERTSTRING, 0, "zebra"), 0);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"zebra", "Apple", "apple", "banana", "pear",
                                                   "\xC9"
                                                   "clair"}));
}

TEST_F(ListBoxTest, FindStringExactSearchesOnFromStartAndWraps) {
  const HWND list = CreateControl("ListBox", "", 0, kListId);
  for (const char* item : {"ann", "\xC9MILE", "ann", "bo"}) SendText(list, LB_ADDSTRING, 0, item);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, kMinusOne, "ANN"), 0);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, 0, "ann"), 2);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, 2, "ann"), 0);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, 3, "bo"), 3);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, 99, "bo"), 3);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, kMinusOne, "\xE9mile"), 1);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, kMinusOne, "an"), LB_ERR);
}

TEST_F(ListBoxTest, NotificationsNeedLbsNotify) {
  const HWND quiet = CreateControl("ListBox", "", 0, 1);
  const HWND notifying = CreateControl("ListBox", "", LBS_NOTIFY, 2);
  for (HWND list : {quiet, notifying}) {
    for (const char* item : {"a", "b"}) SendText(list, LB_ADDSTRING, 0, item);
    Send(list, LB_SETCURSEL, 0);  // a program's selection notifies nobody
    Send(list, WM_LBUTTONDOWN);   // carries no position: selects nothing by itself
    Send(list, WM_LBUTTONDBLCLK);
    Send(list, WM_KEYDOWN, VK_DOWN);
  }
  EXPECT_EQ(CountOf(LBN_DBLCLK, quiet) + CountOf(LBN_SELCHANGE, quiet), 0);
  EXPECT_EQ(CountOf(LBN_DBLCLK, notifying), 1);
  EXPECT_EQ(CountOf(LBN_SELCHANGE, notifying), 1);
  EXPECT_EQ(Send(quiet, LB_GETCURSEL), 1);
  EXPECT_EQ(Send(notifying, LB_GETCURSEL), 1);
  Send(notifying, WM_KEYDOWN, VK_DOWN);  // already at the last item
  Send(notifying, WM_KEYDOWN, VK_UP);
  EXPECT_EQ(CountOf(LBN_SELCHANGE, notifying), 2);
  EXPECT_EQ(Send(notifying, LB_GETCURSEL), 0);
}

TEST_F(ListBoxTest, PersonDoubleClickingAnItemSelectsItAndTellsTheParent) {
  const HWND list = CreateControl("ListBox", "", LBS_NOTIFY, kListId);
  for (const char* item : {"a", "b", "c"}) SendText(list, LB_ADDSTRING, 0, item);
  EXPECT_EQ(desktop_.UserDoubleClickItem(list, 2), InputResult::kDelivered);
  EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
  EXPECT_EQ(CountOf(LBN_DBLCLK, list), 1);
}

TEST_F(ListBoxTest, ManyItemsStayCheapAndExact) {
  const HWND list = CreateControl("ListBox", "", 0, kListId);
  constexpr int kItems = 32767;
  for (int i = 0; i < kItems; ++i) {
    const std::string text = "Name" + std::to_string(i) + " - " + std::to_string(i % 100);
    ASSERT_EQ(SendText(list, LB_ADDSTRING, 0, text), i);
    Send(list, LB_SETITEMDATA, static_cast<WPARAM>(i), 0x00400000 + 8 * i);
  }
  EXPECT_EQ(Send(list, LB_GETCOUNT), kItems);
  EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, kMinusOne, "name32766 - 66"), kItems - 1);
  EXPECT_EQ(Send(list, LB_GETITEMDATA, kItems - 1), 0x00400000 + 8 * (kItems - 1));
}

// Thousands of entries inserted and deleted anywhere, as the served queues do, read back in order.
TEST_F(ListBoxTest, ManyInsertionsAndDeletionsAnywhereKeepTheOrder) {
  const HWND list = CreateControl("ListBox", "", WS_VSCROLL, kListId);
  std::vector<std::string> model;
  unsigned next = 1;
  for (int step = 0; step < 3000; ++step) {
    next = next * 1103515245u + 12345u;
    const auto at = static_cast<WPARAM>(next % (model.size() + 1));
    if (step % 3 == 2 && !model.empty()) {
      const WPARAM gone = at % model.size();
      Send(list, LB_DELETESTRING, gone);
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(gone));
    } else {
      const std::string text = std::to_string(step);
      Send(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
      model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), text);
    }
  }
  EXPECT_EQ(Items(list), model);
}

}  // namespace
}  // namespace winsys::sim::testing
