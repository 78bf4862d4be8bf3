// The "ComboBox" class: its "Edit" child holds the text, its list answers the CB_ messages, and
// keys sent to the combo reach the edit.

#include <string>
#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

constexpr int kComboId = 5;
constexpr WPARAM kMinusOne = static_cast<WPARAM>(-1);

class ComboBoxTest : public SimFixture {
 protected:
  HWND MakeCombo(DWORD style = CBS_DROPDOWN) {
    combo_ = CreateControl("ComboBox", "", style, kComboId);
    edit_ = app_.FindWindowEx(combo_, kNoWindow, "Edit", nullptr);
    return combo_;
  }
  void Add(std::initializer_list<const char*> items) {
    for (const char* item : items) SendText(combo_, CB_ADDSTRING, 0, item);
  }
  std::string ItemText(int index) {
    std::string text(static_cast<std::size_t>(Send(combo_, CB_GETLBTEXTLEN, index)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        Send(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }

  HWND combo_ = kNoWindow;
  HWND edit_ = kNoWindow;
};

TEST_F(ComboBoxTest, OwnsAnEditThatHoldsItsText) {
  MakeCombo();
  ASSERT_NE(edit_, kNoWindow);
  EXPECT_EQ(app_.GetDlgCtrlID(edit_), 1001);
  EXPECT_EQ(app_.GetParent(edit_), combo_);
  EXPECT_TRUE(app_.IsWindowVisible(edit_));
  DWORD edit_process = 0;
  app_.GetWindowThreadProcessId(edit_, &edit_process);
  EXPECT_EQ(edit_process, app_.GetCurrentProcessId());  // the combo's process, not the system's

  EXPECT_EQ(SendText(combo_, WM_SETTEXT, 0, "Ben"), 1);
  EXPECT_EQ(TextOf(edit_), "Ben");
  EXPECT_EQ(TextOf(combo_), "Ben");
  EXPECT_EQ(Send(combo_, WM_GETTEXTLENGTH), 3);
  SendText(edit_, WM_SETTEXT, 0, "Carl");
  EXPECT_EQ(TextOf(combo_), "Carl");
}

TEST_F(ComboBoxTest, ListMessagesAndTheirAnswers) {
  MakeCombo();
  struct Step {
    UINT message;
    WPARAM wparam;
    const char* text;
    LRESULT expected;
  };
  const Step steps[] = {
      {CB_GETCOUNT, 0, nullptr, 0},
      {CB_GETCURSEL, 0, nullptr, CB_ERR},
      {CB_ADDSTRING, 0, "b", 0},
      {CB_ADDSTRING, 0, "a", 1},  // no sorting
      {CB_INSERTSTRING, 0, "first", 0},
      {CB_INSERTSTRING, kMinusOne, "last", 3},
      {CB_INSERTSTRING, 9, "nowhere", CB_ERR},
      {CB_GETCOUNT, 0, nullptr, 4},
      {CB_GETLBTEXTLEN, 0, nullptr, 5},
      {CB_GETLBTEXTLEN, 4, nullptr, CB_ERR},
      {CB_GETLBTEXT, 4, nullptr, CB_ERR},
      {CB_SETCURSEL, 3, nullptr, 3},
      {CB_GETCURSEL, 0, nullptr, 3},
      {CB_DELETESTRING, 3, nullptr, 3},
      {CB_GETCURSEL, 0, nullptr, CB_ERR},
      {CB_DELETESTRING, 3, nullptr, CB_ERR},
      {CB_SETCURSEL, 7, nullptr, CB_ERR},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    const Step& step = steps[i];
    EXPECT_EQ(Send(combo_, step.message, step.wparam, reinterpret_cast<LPARAM>(step.text)),
              step.expected);
  }
  EXPECT_EQ(ItemText(0), "first");
  EXPECT_EQ(ItemText(2), "a");
}

TEST_F(ComboBoxTest, SelectingPutsTheItemTextInTheEdit) {
  MakeCombo();
  Add({"Ann", "Bo"});
  EXPECT_EQ(Send(combo_, CB_SETCURSEL, 1), 1);
  EXPECT_EQ(TextOf(combo_), "Bo");
  EXPECT_EQ(Send(combo_, CB_SETCURSEL, kMinusOne), CB_ERR);
  EXPECT_EQ(TextOf(combo_), "");
  Send(combo_, CB_SETCURSEL, 0);
  EXPECT_EQ(Send(combo_, CB_SETCURSEL, 5), CB_ERR);
  EXPECT_EQ(Send(combo_, CB_GETCURSEL), CB_ERR);
  EXPECT_EQ(TextOf(combo_), "");
  EXPECT_EQ(CountOf(CBN_EDITCHANGE), 0);  // the combo's own changes are not typing
}

TEST_F(ComboBoxTest, ResetContentKeepsTheText) {
  MakeCombo();
  Add({"Ann", "Bo"});
  Send(combo_, CB_SETCURSEL, 0);
  EXPECT_EQ(Send(combo_, CB_RESETCONTENT), CB_OKAY);
  EXPECT_EQ(Send(combo_, CB_GETCOUNT), 0);
  EXPECT_EQ(Send(combo_, CB_GETCURSEL), CB_ERR);
  EXPECT_EQ(TextOf(combo_), "Ann");
}

TEST_F(ComboBoxTest, CharactersSentToTheComboTypeIntoItsEdit) {
  MakeCombo();
  for (char c : std::string("Ben\r")) Send(combo_, WM_CHAR, static_cast<unsigned char>(c));
  EXPECT_EQ(TextOf(combo_), "Ben");
  Send(combo_, WM_CHAR, VK_BACK);
  EXPECT_EQ(TextOf(edit_), "Be");
  // Typing reaches the form as the combo's CBN_EDITCHANGE; the edit's EN_CHANGE stays with the
  // combo.
  EXPECT_EQ(CountOf(CBN_EDITCHANGE, combo_), 4);
  EXPECT_EQ(CountOf(EN_CHANGE), 0);
  SendText(combo_, WM_SETTEXT, 0, "set");
  EXPECT_EQ(CountOf(CBN_EDITCHANGE, combo_), 4);
}

TEST_F(ComboBoxTest, EnterPressedInTheComboReachesItsSubclass) {
  MakeCombo();
  SendText(combo_, WM_SETTEXT, 0, "Ben");
  std::vector<WPARAM> chars;
  WindowProc previous;
  previous = app_.SubclassWindow(combo_, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_CHAR) chars.push_back(wp);
    return previous(w, m, wp, lp);
  });
  EXPECT_EQ(desktop_.UserKey(combo_, VK_RETURN), InputResult::kDelivered);
  EXPECT_EQ(chars, std::vector<WPARAM>{13});
  EXPECT_EQ(TextOf(combo_), "Ben");
}

TEST_F(ComboBoxTest, PersonTypingIntoTheCombo) {
  MakeCombo();
  EXPECT_EQ(desktop_.UserType(combo_, "Dee"), InputResult::kDelivered);
  EXPECT_EQ(TextOf(combo_), "Dee");
  EXPECT_EQ(desktop_.UserType(edit_, "Eve"), InputResult::kDelivered);
  EXPECT_EQ(TextOf(combo_), "Eve");
}

TEST_F(ComboBoxTest, DisablingTheComboDisablesItsEdit) {
  MakeCombo();
  app_.EnableWindow(combo_, false);
  EXPECT_FALSE(app_.IsWindowEnabled(edit_));
  EXPECT_NE(desktop_.UserType(edit_, "x"), InputResult::kDelivered);
  app_.EnableWindow(combo_, true);
  EXPECT_TRUE(app_.IsWindowEnabled(edit_));
}

TEST_F(ComboBoxTest, DropDownListHasNoEditAndShowsTheSelection) {
  MakeCombo(CBS_DROPDOWNLIST);
  EXPECT_EQ(edit_, kNoWindow);
  Add({"one", "two"});
  EXPECT_EQ(TextOf(combo_), "");
  Send(combo_, CB_SETCURSEL, 1);
  EXPECT_EQ(TextOf(combo_), "two");
}

}  // namespace
}  // namespace winsys::sim::testing
