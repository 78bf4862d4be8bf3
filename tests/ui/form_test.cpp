// The form's lifecycle as a person and the program see it: load, show, activation, the close box,
// unload back to the design, resize.

#include <gmock/gmock.h>

#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using ::testing::ElementsAre;
using namespace winsys;

class FormTest : public UiFixture {
 protected:
  Form& form() { return test_->form; }
};

TEST_F(FormTest, LoadCreatesTheHiddenWindowWithItsControlsAndFiresLoadOnce) {
  EXPECT_FALSE(form().is_loaded());
  EXPECT_EQ(form().hwnd(), kNoWindow);

  form().Load();
  form().Load();

  ASSERT_TRUE(form().is_loaded());
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_Load"));
  EXPECT_FALSE(form().is_visible());
  EXPECT_EQ(ws_.GetClassName(form().hwnd()), kFormClassName);
  EXPECT_EQ(ws_.GetWindowText(form().hwnd()), "Test Server");
  EXPECT_EQ(ws_.FindWindow(kFormClassName, "Test Server"), form().hwnd());
  Rect rect;
  ASSERT_TRUE(ws_.GetWindowRect(form().hwnd(), rect));
  EXPECT_EQ(rect.width(), 4725 / 15);
  EXPECT_EQ(rect.height(), 5070 / 15);
  EXPECT_EQ(form().font_name(), "Arial");
}

TEST_F(FormTest, ControlsAreChildWindowsOfTheirClassInDeclarationOrder) {
  form().Load();
  struct Expected {
    Control* control;
    const char* class_name;
    HWND parent;
  };
  const HWND frame1 = test_->Frame1.hwnd();
  const HWND frame2 = test_->Frame2.hwnd();
  const Expected table[] = {
      {&test_->Toolbar1, "ToolbarWindow32", form().hwnd()},
      {&test_->Command1, "Button", form().hwnd()},
      {&test_->Frame1, "Button", form().hwnd()},
      {&test_->Requests, "ListBox", frame1},
      {&test_->Label1, "Static", frame2},
      {&test_->Text1, "Edit", frame2},
      {&test_->Text2, "Edit", form().hwnd()},
      {&test_->Combo1, "ComboBox", form().hwnd()},
      {&test_->PeopleServed, "ListBox", form().hwnd()},
      {&test_->ProgressBar1, "msctls_progress32", form().hwnd()},
      {&test_->StatusBar1, "msctls_statusbar32", form().hwnd()},
  };
  for (const Expected& row : table) {
    SCOPED_TRACE(row.control->name());
    ASSERT_NE(row.control->hwnd(), kNoWindow);
    EXPECT_EQ(ws_.GetClassName(row.control->hwnd()), row.class_name);
    EXPECT_EQ(ws_.GetParent(row.control->hwnd()), row.parent);
    EXPECT_EQ(ws_.GetDlgCtrlID(row.control->hwnd()), row.control->control_id());
  }
  // Plain controls enumerate in creation order, which is declaration order.
  EXPECT_EQ(ws_.FindWindowEx(form().hwnd(), kNoWindow, "Button", nullptr), test_->Command1.hwnd());
  EXPECT_EQ(ws_.GetWindowText(test_->Frame1.hwnd()), "Item Requests:  0");
  EXPECT_EQ(ws_.GetWindowLongPtr(test_->Frame1.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_TRUE(ws_.GetWindowLongPtr(test_->Text2.hwnd(), GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(ws_.GetWindowLongPtr(test_->Text2.hwnd(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(ws_.GetWindowLongPtr(test_->Text1.hwnd(), GWL_STYLE) & ES_MULTILINE);
}

TEST_F(FormTest, ControlsArePlacedInTwipsInsideTheirContainer) {
  form().Load();
  Rect form_rect;
  Rect frame_rect;
  Rect list_rect;
  ASSERT_TRUE(ws_.GetWindowRect(form().hwnd(), form_rect));
  ASSERT_TRUE(ws_.GetWindowRect(test_->Frame1.hwnd(), frame_rect));
  ASSERT_TRUE(ws_.GetWindowRect(test_->Requests.hwnd(), list_rect));
  // A form's controls start inside its fixed frame, under its caption and menu bar.
  const int client_left = ws_.GetSystemMetrics(SM_CXDLGFRAME);
  const int client_top = ws_.GetSystemMetrics(SM_CYDLGFRAME) + ws_.GetSystemMetrics(SM_CYCAPTION) +
                         (ws_.GetMenu(form().hwnd()) != 0 ? ws_.GetSystemMetrics(SM_CYMENU) : 0);
  EXPECT_EQ(frame_rect.left - form_rect.left, client_left + 45 / 15);
  EXPECT_EQ(frame_rect.top - form_rect.top, client_top + 495 / 15);
  EXPECT_EQ(list_rect.left - frame_rect.left, 105 / 15);
  EXPECT_EQ(list_rect.top - frame_rect.top, 285 / 15);
  EXPECT_EQ(list_rect.width(), 1995 / 15);
  EXPECT_EQ(list_rect.height(), 3435 / 15);
}

TEST_F(FormTest, ShowLoadsShowsAndActivates) {
  form().Show();
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_Load", "Form_Activate"));
  EXPECT_TRUE(form().is_visible());
  EXPECT_EQ(ws_.GetForegroundWindow(), form().hwnd());
}

TEST_F(FormTest, ActivateFiresEachTimeTheFormBecomesActive) {
  TestForm other(ws_, registry_, "otherFrm");
  form().Show();
  other.form.Show();
  form().Show();  // visible already, behind the other: comes to the front
  form().Hide();  // the other form becomes the active one again
  form().Show();
  EXPECT_THAT(test_->TakeEvents(),
              ElementsAre("Form_Load", "Form_Activate", "Form_Activate", "Form_Activate"));
  EXPECT_EQ(other.CountOf("Form_Activate"), 2);
}

TEST_F(FormTest, ShowingTheActiveFormAgainDoesNotActivateItAgain) {
  form().Show();
  test_->TakeEvents();
  form().Show();
  EXPECT_TRUE(test_->TakeEvents().empty());
}

TEST_F(FormTest, ShowingInsideTheLoadEventShowsWithoutLoadingTwice) {
  int loads = 0;
  form().on_load = [this, &loads] {
    ++loads;
    form().Show();
  };
  form().Show();
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(form().is_visible());
  EXPECT_EQ(test_->CountOf("Form_Activate"), 1);
}

TEST_F(FormTest, TheCloseBoxUnloadsByDefault) {
  form().Show();
  const HWND window = form().hwnd();
  test_->TakeEvents();

  EXPECT_EQ(desktop_.UserClose(window), sim::InputResult::kDelivered);

  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_QueryUnload", "Form_Unload"));
  EXPECT_FALSE(form().is_loaded());
  EXPECT_FALSE(ws_.IsWindow(window));
  EXPECT_EQ(registry_.FindForm("testFrm"), &form());
}

TEST_F(FormTest, ACloseThatHidesKeepsTheFormAndItsContents) {
  test_->close_action = CloseAction::kHide;
  form().Show();
  test_->Requests.add("Joe - 12");
  const HWND window = form().hwnd();
  test_->TakeEvents();

  desktop_.UserClose(window);

  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_QueryUnload"));
  EXPECT_TRUE(form().is_loaded());
  EXPECT_FALSE(form().is_visible());
  EXPECT_EQ(form().hwnd(), window);
  EXPECT_EQ(test_->Requests.count(), 1);

  form().Show();
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_Activate"));
}

TEST_F(FormTest, ACloseCanBeRefused) {
  test_->close_action = CloseAction::kKeepOpen;
  form().Show();
  desktop_.UserClose(form().hwnd());
  EXPECT_TRUE(form().is_visible());
}

TEST_F(FormTest, UnloadPutsEveryControlBackToItsDesign) {
  form().Show();
  test_->Command1.set_caption("Stop");
  test_->Command1.Disable();
  test_->Frame1.set_caption("Item Requests:  1");
  test_->Requests.add("Joe - 12");
  test_->Text1.set_text("delivered");
  test_->Combo1.add("Joe");
  test_->Combo1.set_text("Joe");
  test_->StatusBar1.set_text("3 Mails, 1 People Served");
  test_->ProgressBar1.set_value(40);
  test_->handle.set_caption("Serving Handle:  bot");
  test_->everyminute.Uncheck();
  test_->RequestTimer.Enable();
  form().set_caption("Changed");

  form().Unload();

  EXPECT_EQ(test_->Command1.caption(), "Start");
  EXPECT_TRUE(test_->Command1.enabled());
  EXPECT_EQ(test_->Frame1.caption(), "Item Requests:  0");
  EXPECT_EQ(test_->Requests.count(), 0);
  EXPECT_EQ(test_->Text1.text(), "was sent");
  EXPECT_EQ(test_->Combo1.count(), 0);
  EXPECT_EQ(test_->Combo1.text(), "");
  EXPECT_EQ(test_->StatusBar1.text(), "0 Mails, 0 People Served");
  EXPECT_EQ(test_->ProgressBar1.value(), 0);
  EXPECT_EQ(test_->handle.caption(), "Serving Handle:  [Screenname]");
  EXPECT_TRUE(test_->everyminute.checked());
  EXPECT_FALSE(test_->RequestTimer.enabled());
  EXPECT_EQ(form().caption(), "Test Server");

  form().Show();
  EXPECT_EQ(ws_.GetWindowText(test_->Command1.hwnd()), "Start");
  EXPECT_EQ(ws_.SendMessage(test_->Requests.hwnd(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(FormTest, PropertiesSetBeforeLoadReachTheWindows) {
  test_->Label1.set_caption("Date:  06/15/2000");
  test_->Requests.add("Joe - 12");
  test_->Requests.add("Ann - 3");
  test_->Requests.set_item_data(1, 77);
  test_->Requests.set_selected_index(1, ClickEvent::kSuppress);
  test_->Command2.Disable();
  test_->Text1.Hide();

  form().Load();

  EXPECT_EQ(ws_.GetWindowText(test_->Label1.hwnd()), "Date:  06/15/2000");
  EXPECT_EQ(ws_.SendMessage(test_->Requests.hwnd(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ws_.SendMessage(test_->Requests.hwnd(), LB_GETITEMDATA, 1, 0), 77);
  EXPECT_EQ(ws_.SendMessage(test_->Requests.hwnd(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(ws_.IsWindowEnabled(test_->Command2.hwnd()));
  EXPECT_FALSE(ws_.GetWindowLongPtr(test_->Text1.hwnd(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(FormTest, ResizeFiresAndSetSizeKeepsTheCorner) {
  form().on_resize = [this] { form().SetSize({4725, 5070}); };
  form().Show();
  Rect before;
  ASSERT_TRUE(ws_.GetWindowRect(form().hwnd(), before));

  ws_.MoveWindow(form().hwnd(), Rect{before.left, before.top, before.left + 500, before.top + 90});

  Rect after;
  ASSERT_TRUE(ws_.GetWindowRect(form().hwnd(), after));
  EXPECT_EQ(after, before);
}

TEST_F(FormTest, ADisabledFormTakesNoClicks) {
  form().Show();
  form().Disable();
  EXPECT_FALSE(form().enabled());
  EXPECT_EQ(desktop_.UserClick(test_->Command1.hwnd()), sim::InputResult::kDisabled);
  form().Enable();
  EXPECT_EQ(desktop_.UserClick(test_->Command1.hwnd()), sim::InputResult::kDelivered);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_Load", "Form_Activate", "Command1_Click"));
}

TEST_F(FormTest, AFormDestroyedByOthersCountsAsUnloadedAndLoadsAgain) {
  form().Show();
  ws_.DestroyWindow(form().hwnd());
  EXPECT_FALSE(form().is_loaded());
  EXPECT_EQ(test_->Command1.hwnd(), kNoWindow);
  form().Show();
  EXPECT_TRUE(form().is_visible());
  EXPECT_EQ(test_->CountOf("Form_Load"), 2);
  EXPECT_EQ(test_->CountOf("Form_Unload"), 0);
}

TEST_F(FormTest, AFormDestroyedWhileLoadedTakesItsWindowsWithIt) {
  HWND window = kNoWindow;
  HWND button = kNoWindow;
  {
    TestForm doomed(ws_, registry_, "doomedFrm");
    doomed.form.Show();
    window = doomed.form.hwnd();
    button = doomed.Command1.hwnd();
    EXPECT_EQ(registry_.FindForm("doomedFrm"), &doomed.form);
  }
  EXPECT_FALSE(ws_.IsWindow(window));
  EXPECT_FALSE(ws_.IsWindow(button));
  EXPECT_EQ(registry_.FindForm("doomedFrm"), nullptr);
}

}  // namespace
}  // namespace ui::testing
