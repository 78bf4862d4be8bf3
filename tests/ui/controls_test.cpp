// The controls driven as a person drives them (clicks, selections, typing, keys) and as the
// program does, checked through what the windows hold and which events fired.

#include <gmock/gmock.h>

#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using ::testing::ElementsAre;
using namespace winsys;

class ControlsTest : public UiFixture {
 protected:
  ControlsTest() {
    test_->form.Show();
    test_->TakeEvents();
  }
  std::string ListText(HWND list, int index) {
    const LRESULT length = ws_.SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return "<LB_ERR>";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ws_.SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  std::vector<std::string> WindowItems(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(ws_.SendMessage(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) items.push_back(ListText(list, i));
    return items;
  }
};

TEST_F(ControlsTest, AClickedButtonFiresItsClick) {
  EXPECT_EQ(desktop_.UserClick(test_->Command1.hwnd()), sim::InputResult::kDelivered);
  EXPECT_EQ(desktop_.UserClick(test_->Command2.hwnd()), sim::InputResult::kDelivered);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Command1_Click", "Command2_Click"));
}

TEST_F(ControlsTest, ADisabledButtonTakesNoClick) {
  test_->Command1.Disable();
  EXPECT_FALSE(test_->Command1.enabled());
  EXPECT_EQ(desktop_.UserClick(test_->Command1.hwnd()), sim::InputResult::kDisabled);
  test_->Command1.Enable();
  EXPECT_EQ(desktop_.UserClick(test_->Command1.hwnd()), sim::InputResult::kDelivered);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Command1_Click"));
}

TEST_F(ControlsTest, AButtonCaptionReachesItsWindow) {
  test_->Command1.set_caption("Stop");
  EXPECT_EQ(ws_.GetWindowText(test_->Command1.hwnd()), "Stop");
  EXPECT_EQ(ws_.FindWindowEx(test_->form.hwnd(), kNoWindow, "Button", "Stop"),
            test_->Command1.hwnd());
}

TEST_F(ControlsTest, AListInAFrameNotifiesTheForm) {
  ListBox& list = test_->Requests;
  list.add("Joe - 12");
  list.add("Ann - 3");

  EXPECT_EQ(desktop_.UserSelect(list.hwnd(), 1), sim::InputResult::kDelivered);
  EXPECT_EQ(list.selected_index(), 1);
  EXPECT_EQ(desktop_.UserDoubleClickItem(list.hwnd(), 0), sim::InputResult::kDelivered);
  EXPECT_EQ(list.selected_index(), 0);

  EXPECT_THAT(test_->TakeEvents(),
              ElementsAre("Requests_Click", "Requests_Click", "Requests_DblClick"));
}

TEST_F(ControlsTest, ADoubleClickHandlerRemovesTheSelectedEntry) {
  ListBox& list = test_->Requests;
  list.on_double_click = [&] {
    list.remove_at(list.selected_index());
    test_->Frame1.set_caption("Item Requests:  " + std::to_string(list.count()));
  };
  list.add("Joe - 12");
  list.add("Ann - 3");
  list.add("Bob - 7");

  desktop_.UserDoubleClickItem(list.hwnd(), 1);

  EXPECT_THAT(list.items(), ElementsAre("Joe - 12", "Bob - 7"));
  EXPECT_THAT(WindowItems(list.hwnd()), ElementsAre("Joe - 12", "Bob - 7"));
  EXPECT_EQ(list.selected_index(), -1);
  EXPECT_EQ(ws_.GetWindowText(test_->Frame1.hwnd()), "Item Requests:  2");
}

TEST_F(ControlsTest, ListChangesAreMadeInTheWindowToo) {
  ListBox& list = test_->Requests;
  struct Step {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> expected;
  };
  const std::vector<Step> steps = {
      {"add", [&] { list.add("a"); }, {"a"}},
      {"add", [&] { list.add("c"); }, {"a", "c"}},
      {"insert in the middle", [&] { list.insert(1, "b"); }, {"a", "b", "c"}},
      {"insert at the front", [&] { list.insert(0, "0"); }, {"0", "a", "b", "c"}},
      {"insert at count appends", [&] { list.insert(4, "d"); }, {"0", "a", "b", "c", "d"}},
      {"insert -1 appends", [&] { list.insert(-1, "e"); }, {"0", "a", "b", "c", "d", "e"}},
      {"insert past the end", [&] { list.insert(9, "x"); }, {"0", "a", "b", "c", "d", "e"}},
      {"remove the first", [&] { list.remove_at(0); }, {"a", "b", "c", "d", "e"}},
      {"remove the last", [&] { list.remove_at(4); }, {"a", "b", "c", "d"}},
      {"remove out of range", [&] { list.remove_at(4); }, {"a", "b", "c", "d"}},
      {"remove -1", [&] { list.remove_at(-1); }, {"a", "b", "c", "d"}},
      {"clear", [&] { list.clear(); }, {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(list.items(), step.expected);
    EXPECT_EQ(WindowItems(list.hwnd()), step.expected);
    EXPECT_EQ(list.count(), static_cast<int>(step.expected.size()));
  }
}

TEST_F(ControlsTest, FindAndContainsCompareExactlyWithLetterCase) {
  ListBox& served = test_->PeopleServed;
  served.add("Joe");
  served.add("ann");
  served.add("Joe");
  EXPECT_EQ(served.find_exact("Joe"), 0);
  EXPECT_EQ(served.find_exact("ann"), 1);
  EXPECT_EQ(served.find_exact("JOE"), -1);
  EXPECT_EQ(served.find_exact("Jo"), -1);
  EXPECT_TRUE(served.contains("Joe"));
  EXPECT_FALSE(served.contains("Ann"));
  served.remove_at(0);
  EXPECT_TRUE(served.contains("Joe"));  // the second one is still there
  EXPECT_EQ(served.find_exact("Joe"), 1);
  served.remove_at(1);
  EXPECT_FALSE(served.contains("Joe"));
  EXPECT_EQ(served.find_exact("Joe"), -1);
}

TEST_F(ControlsTest, AHiddenListAnswersFromMemoryWithoutMessages) {
  ListBox& served = test_->PeopleServed;
  for (int i = 0; i < 32767; ++i) served.add("member " + std::to_string(i));
  int list_messages = 0;
  const WindowProc list_procedure = ws_.SubclassWindow(
      served.hwnd(), [&](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        ++list_messages;
        return list_procedure(window, message, wparam, lparam);
      });

  EXPECT_EQ(served.count(), 32767);
  EXPECT_EQ(served.item(32766), "member 32766");
  EXPECT_TRUE(served.contains("member 16000"));
  EXPECT_FALSE(served.contains("member 32767"));
  EXPECT_EQ(served.find_exact("member 20000"), 20000);
  EXPECT_EQ(list_messages, 0);

  EXPECT_EQ(ws_.SendMessage(served.hwnd(), LB_GETCOUNT, 0, 0), 32767);
  EXPECT_FALSE(served.visible());
  ws_.SubclassWindow(served.hwnd(), list_procedure);
}

TEST_F(ControlsTest, ItemDataAndOutOfRangeReads) {
  ListBox& list = test_->Requests;
  list.add("1-301");
  list.set_item_data(0, 301);
  list.set_item_data(5, 9);
  EXPECT_EQ(list.item_data(0), 301);
  EXPECT_EQ(ws_.SendMessage(list.hwnd(), LB_GETITEMDATA, 0, 0), 301);
  EXPECT_EQ(list.item_data(5), 0);
  EXPECT_EQ(list.item(5), "");
  EXPECT_EQ(list.item(-1), "");
}

TEST_F(ControlsTest, SettingTheSelectionFiresClickOnlyWhenItChanges) {
  ListBox& list = test_->Requests;
  list.add("Step #1");
  list.add("Step #2");
  list.set_selected_index(0);
  list.set_selected_index(0);
  list.set_selected_index(1, ClickEvent::kSuppress);
  list.set_selected_index(7);  // out of range: clears
  EXPECT_EQ(list.selected_index(), -1);
  EXPECT_EQ(ws_.SendMessage(list.hwnd(), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Requests_Click", "Requests_Click"));
}

TEST_F(ControlsTest, EnterInTheComboReachesKeyPressOnce) {
  ComboBox& combo = test_->Combo1;
  desktop_.UserType(combo.hwnd(), "Joe");
  test_->TakeEvents();

  EXPECT_EQ(desktop_.UserKey(combo.hwnd(), VK_RETURN), sim::InputResult::kDelivered);
  EXPECT_EQ(test_->combo_keys, "\r");
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Combo1_Enter"));
  EXPECT_EQ(combo.text(), "Joe");

  // A key the handler lets through reaches the edit as typing does.
  test_->swallow_enter = false;
  desktop_.UserKey(combo.hwnd(), VK_BACK);
  EXPECT_EQ(test_->combo_keys, "\r\b");
  EXPECT_EQ(combo.text(), "Jo");
}

TEST_F(ControlsTest, KeysTheComboHandlerLetsThroughReachTheEdit) {
  ComboBox& combo = test_->Combo1;
  combo.on_key_press = [this](char& key) {
    test_->combo_keys.push_back(key);
    if (key == 'x') key = 0;
    if (key == 'o') key = 'O';
  };
  for (char typed : std::string("Jxoe")) ws_.SendMessage(combo.hwnd(), WM_CHAR, typed, 0);
  EXPECT_EQ(test_->combo_keys, "Jxoe");
  EXPECT_EQ(combo.text(), "JOe");
  EXPECT_EQ(ws_.SendMessage(combo.hwnd(), WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(ControlsTest, ComboListAndTextAreClearedTogether) {
  ComboBox& combo = test_->Combo1;
  combo.add("Joe");
  combo.add("Ann");
  combo.set_text("Bob");
  EXPECT_EQ(ws_.SendMessage(combo.hwnd(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(combo.item(1), "Ann");
  EXPECT_EQ(combo.text(), "Bob");

  EXPECT_EQ(desktop_.UserSelect(combo.hwnd(), 1), sim::InputResult::kDelivered);
  EXPECT_EQ(combo.selected_index(), 1);
  EXPECT_EQ(combo.text(), "Ann");

  combo.clear();
  EXPECT_EQ(combo.count(), 0);
  EXPECT_EQ(ws_.SendMessage(combo.hwnd(), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(combo.text(), "");
  EXPECT_EQ(test_->CountOf("Combo1_Click"), 1);
}

TEST_F(ControlsTest, TypingIntoATextBoxFiresChangeOncePerChange) {
  TextBox& text = test_->Text1;
  desktop_.UserType(text.hwnd(), "delivered");
  EXPECT_EQ(text.text(), "delivered");
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Text1_Change"));

  desktop_.UserType(text.hwnd(), "delivered");  // the same text: no change
  text.set_text("sent");
  text.set_text("sent");
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Text1_Change"));
  EXPECT_EQ(ws_.GetWindowText(text.hwnd()), "sent");
}

TEST_F(ControlsTest, KeyPressSeesEveryCharacterAndMaySwallowIt) {
  TextBox& text = test_->Text1;
  text.set_text("");
  text.on_key_press = [&](char& key) {
    test_->text_keys.push_back(key);
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  };
  ws_.SendMessage(text.hwnd(), WM_CHAR, 'a', 0);
  ws_.SendMessage(text.hwnd(), WM_CHAR, 'x', 0);
  ws_.SendMessage(text.hwnd(), WM_CHAR, 'b', 0);
  EXPECT_EQ(test_->text_keys, "axb");
  EXPECT_EQ(text.text(), "Ab");
}

TEST_F(ControlsTest, AMultiLineTextBoxKeepsItsLines) {
  TextBox& text = test_->Text2;
  EXPECT_EQ(text.text(), "Message here.\r\n");
  text.set_text("line one\r\nline two");
  EXPECT_EQ(ws_.GetWindowText(text.hwnd()), "line one\r\nline two");
}

TEST_F(ControlsTest, AKeyPressThatUnloadsTheFormEndsQuietly) {
  test_->Combo1.on_key_press = [this](char& key) {
    if (key == '\r') test_->form.Unload();
  };
  desktop_.UserKey(test_->Combo1.hwnd(), VK_RETURN);
  EXPECT_FALSE(test_->form.is_loaded());
}

TEST_F(ControlsTest, StatusBarAndProgressBarHoldTheirValues) {
  test_->StatusBar1.set_text("3 Mails, 2 People Served");
  std::string panel(64, '\0');
  const LRESULT length = ws_.SendMessage(test_->StatusBar1.hwnd(), SB_GETTEXTA, 0,
                                         reinterpret_cast<LPARAM>(panel.data()));
  panel.resize(static_cast<std::size_t>(LowWord(static_cast<std::uintptr_t>(length))));
  EXPECT_EQ(panel, "3 Mails, 2 People Served");

  ProgressBar& bar = test_->ProgressBar1;
  bar.set_value(40);
  EXPECT_EQ(ws_.SendMessage(bar.hwnd(), PBM_GETPOS, 0, 0), 40);
  bar.set_value(140);
  EXPECT_EQ(bar.value(), 100);
  EXPECT_EQ(ws_.SendMessage(bar.hwnd(), PBM_GETPOS, 0, 0), 100);
  bar.set_range(10, 20);
  EXPECT_EQ(bar.value(), 20);
  bar.set_value(0);
  EXPECT_EQ(bar.value(), 10);
  EXPECT_EQ(ws_.SendMessage(bar.hwnd(), PBM_GETPOS, 0, 0), 10);
}

TEST_F(ControlsTest, AHiddenFrameHidesWhatItHolds) {
  EXPECT_TRUE(test_->Requests.visible());
  test_->Frame1.Hide();
  EXPECT_FALSE(test_->Requests.visible());
  EXPECT_TRUE(test_->Requests.shown());
  EXPECT_EQ(desktop_.UserClick(test_->Requests.hwnd()), sim::InputResult::kHidden);
  test_->Frame1.Show();
  EXPECT_TRUE(test_->Requests.visible());
}

}  // namespace
}  // namespace ui::testing
