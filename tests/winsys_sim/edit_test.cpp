// The "Edit" class: its text through messages, typing with WM_CHAR, and EN_CHANGE.

#include <cstring>
#include <string>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

constexpr int kEditId = 7;
constexpr char kBullet = '\x95';

class EditTest : public SimFixture {
 protected:
  void TypeChars(HWND edit, const std::string& chars) {
    for (char c : chars) Send(edit, WM_CHAR, static_cast<unsigned char>(c));
  }
};

struct GetTextCase {
  WPARAM capacity;
  const char* copied;
  LRESULT result;
};

TEST_F(EditTest, GetTextCopiesAtMostCapacityLessOneAndANul) {
  const GetTextCase cases[] = {
      {0, "########", 0}, {1, "", 0}, {3, "He", 2}, {6, "Hello", 5}, {100, "Hello", 5},
  };
  const HWND edit = CreateControl("Edit", "", ES_AUTOHSCROLL, kEditId);
  EXPECT_EQ(SendText(edit, WM_SETTEXT, 0, "Hello"), 1);
  EXPECT_EQ(Send(edit, WM_GETTEXTLENGTH), 5);
  for (const GetTextCase& c : cases) {
    SCOPED_TRACE(c.capacity);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    buffer[8] = '\0';
    EXPECT_EQ(Send(edit, WM_GETTEXT, c.capacity, reinterpret_cast<LPARAM>(buffer)), c.result);
    EXPECT_STREQ(buffer, c.copied);
  }
}

TEST_F(EditTest, StartsWithItsCaptionAndKeepsEightBitText) {
  const HWND edit = CreateControl("Edit", "Message here.", ES_MULTILINE, kEditId);
  EXPECT_EQ(TextOf(edit), "Message here.");
  const std::string line = std::string(1, kBullet) + " caf\xE9";
  SendText(edit, WM_SETTEXT, 0, line);
  EXPECT_EQ(TextOf(edit), line);
  EXPECT_EQ(app_.GetWindowText(edit), line);  // the same process reads the live text
  EXPECT_EQ(app_.GetWindowTextLength(edit), static_cast<int>(line.size()));
}

struct TypingCase {
  const char* name;
  DWORD style;
  std::string start;
  std::string chars;
  std::string text;
  int changes;
};

TEST_F(EditTest, Typing) {
  const TypingCase cases[] = {
      {"letters append", 0, "ab", "cd", "abcd", 2},
      {"backspace deletes the last", 0, "abc", "\b\b", "a", 2},
      {"backspace on empty", 0, "", "\b", "", 0},
      {"single-line ignores CR", 0, "a", "\rb", "ab", 1},
      {"multi-line takes CR as CR LF", ES_MULTILINE, "a", "\rb", "a\r\nb", 2},
      {"want-return takes CR", ES_MULTILINE | ES_WANTRETURN, "", "x\r", "x\r\n", 2},
      {"multi-line takes LF as CR LF", ES_MULTILINE, "", "\n", "\r\n", 1},
      {"single-line ignores TAB", 0, "", "\t", "", 0},
      {"multi-line takes TAB", ES_MULTILINE, "", "\t", "\t", 1},
      {"escape and DEL are not text", 0, "q", "\x1B\x7F", "q", 0},
      {"the bullet and accents are text", 0, "", "\x95\xE9", "\x95\xE9", 2},
  };
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND edit = CreateControl("Edit", c.start, c.style, kEditId);
    notifications_.clear();
    TypeChars(edit, c.chars);
    EXPECT_EQ(TextOf(edit), c.text);
    EXPECT_EQ(CountOf(EN_CHANGE, edit), c.changes);
    app_.DestroyWindow(edit);
  }
}

TEST_F(EditTest, MultiLineInADialogLeavesReturnToTheDialogUnlessItWantsIt) {
  CreateParams dialog_params;
  dialog_params.class_name = "#32770";
  dialog_params.caption = "Dialog";
  dialog_params.style = WS_POPUP | WS_VISIBLE;
  const HWND dialog = app_.CreateWindow(dialog_params);
  const HWND plain = CreateControl("Edit", "", ES_MULTILINE, 1, dialog);
  const HWND wanting = CreateControl("Edit", "", ES_MULTILINE | ES_WANTRETURN, 2, dialog);
  TypeChars(plain, "a\rb");
  TypeChars(wanting, "a\rb");
  EXPECT_EQ(TextOf(plain), "ab");
  EXPECT_EQ(TextOf(wanting), "a\r\nb");
}

TEST_F(EditTest, SetTextNotifiesSingleLineEditsOnly) {
  const HWND single = CreateControl("Edit", "", ES_AUTOHSCROLL, 1);
  const HWND multi = CreateControl("Edit", "", ES_MULTILINE, 2);
  SendText(single, WM_SETTEXT, 0, "one");
  SendText(multi, WM_SETTEXT, 0, "one");
  EXPECT_EQ(CountOf(EN_CHANGE, single), 1);
  EXPECT_EQ(CountOf(EN_CHANGE, multi), 0);
  ASSERT_FALSE(notifications_.empty());
  EXPECT_EQ(notifications_[0], (Notification{1, EN_CHANGE, single, form_}));
}

TEST_F(EditTest, AnotherProcessSeesTheCaptionButReadsLiveTextByMessage) {
  const HWND edit = CreateControl("Edit", "created", ES_MULTILINE, kEditId);
  SendText(edit, WM_SETTEXT, 0, "typed later");
  WindowSystem& other = desktop_.CreateProcess("other");
  EXPECT_EQ(other.GetWindowText(edit), "created");
  char buffer[32] = {};
  EXPECT_EQ(other.SendMessage(edit, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)),
            11);
  EXPECT_STREQ(buffer, "typed later");
}

TEST_F(EditTest, PersonTypingReplacesTheTextAndTellsTheParentOnce) {
  const HWND multi = CreateControl("Edit", "old", ES_MULTILINE, kEditId + 1);
  EXPECT_EQ(desktop_.UserType(multi, "two\r\nlines"), InputResult::kDelivered);
  EXPECT_EQ(TextOf(multi), "two\r\nlines");
  EXPECT_EQ(CountOf(EN_CHANGE, multi), 1);

  const HWND edit = CreateControl("Edit", "old", ES_AUTOHSCROLL, kEditId);
  EXPECT_EQ(desktop_.UserType(edit, "Ben - 12"), InputResult::kDelivered);
  EXPECT_EQ(TextOf(edit), "Ben - 12");
  EXPECT_EQ(CountOf(EN_CHANGE, edit), 1);

  app_.EnableWindow(edit, false);
  EXPECT_EQ(desktop_.UserType(edit, "refused"), InputResult::kDisabled);
  EXPECT_EQ(TextOf(edit), "Ben - 12");
}

}  // namespace
}  // namespace winsys::sim::testing
