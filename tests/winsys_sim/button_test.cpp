// The "Button" class through its messages: what makes a click, what a click tells the parent,
// check boxes and group boxes.

#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

constexpr int kButtonId = 42;

struct Input {
  UINT message;
  WPARAM wparam;
};

struct ClickCase {
  const char* name;
  std::vector<Input> inputs;
  int clicks;
};

const ClickCase kClickCases[] = {
    {"mouse press and release", {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}}, 1},
    {"release alone", {{WM_LBUTTONUP, 0}}, 0},
    {"press alone", {{WM_LBUTTONDOWN, 0}}, 0},
    {"second release", {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_LBUTTONUP, 0}}, 1},
    {"two clicks",
     {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}},
     2},
    {"space down and up", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 1},
    {"space up alone", {{WM_KEYUP, VK_SPACE}}, 0},
    {"return down and up", {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}}, 0},
    {"space down, mouse up", {{WM_KEYDOWN, VK_SPACE}, {WM_LBUTTONUP, 0}}, 1},
    {"BM_CLICK", {{BM_CLICK, 0}}, 1},
};

class ButtonTest : public SimFixture {};

TEST_F(ButtonTest, ClicksSentOrPosted) {
  for (const ClickCase& c : kClickCases) {
    for (bool posted : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (posted ? " (posted)" : " (sent)"));
      notifications_.clear();
      const HWND button = CreateControl("Button", "OK", BS_PUSHBUTTON, kButtonId);
      for (const Input& input : c.inputs) {
        if (posted) {
          app_.PostMessage(button, input.message, input.wparam, 0);
        } else {
          Send(button, input.message, input.wparam);
        }
      }
      app_.DoEvents();
      EXPECT_EQ(CountOf(BN_CLICKED, button), c.clicks);
      app_.DestroyWindow(button);
    }
  }
}

TEST_F(ButtonTest, ClickTellsTheParentItsIdAndHandle) {
  const HWND button = CreateControl("Button", "&Start", BS_DEFPUSHBUTTON, kButtonId);
  Send(button, BM_CLICK);
  ASSERT_EQ(notifications_.size(), 1u);
  EXPECT_EQ(notifications_[0], (Notification{kButtonId, BN_CLICKED, button, form_}));
}

TEST_F(ButtonTest, PersonClickingClicksOnceAndNotWhenDisabled) {
  const HWND button = CreateControl("Button", "Go", BS_PUSHBUTTON, kButtonId);
  EXPECT_EQ(desktop_.UserClick(button), InputResult::kDelivered);
  EXPECT_EQ(desktop_.UserKey(button, VK_SPACE), InputResult::kDelivered);
  EXPECT_EQ(CountOf(BN_CLICKED, button), 2);

  app_.EnableWindow(button, false);
  EXPECT_EQ(desktop_.UserClick(button), InputResult::kDisabled);
  EXPECT_EQ(CountOf(BN_CLICKED, button), 2);
}

TEST_F(ButtonTest, ParentMayDestroyTheButtonItsClickNamed) {
  const HWND button = CreateControl("Button", "Close", BS_PUSHBUTTON, kButtonId);
  on_command_ = [this](const Notification& n) { app_.DestroyWindow(n.control); };
  Send(button, BM_CLICK);
  EXPECT_FALSE(app_.IsWindow(button));
  EXPECT_EQ(CountOf(BN_CLICKED), 1);
}

struct CheckCase {
  const char* name;
  DWORD style;
  WPARAM set;  // BM_SETCHECK's wParam before the clicks
  int clicks;
  LRESULT checked;
};

const CheckCase kCheckCases[] = {
    {"set with -1", BS_AUTOCHECKBOX, static_cast<WPARAM>(-1), 0, BST_CHECKED},
    {"set with 1", BS_AUTOCHECKBOX, 1, 0, BST_CHECKED},
    {"cleared with 0", BS_AUTOCHECKBOX, 0, 0, BST_UNCHECKED},
    {"auto: a click checks", BS_AUTOCHECKBOX, 0, 1, BST_CHECKED},
    {"auto: a click clears", BS_AUTOCHECKBOX, static_cast<WPARAM>(-1), 1, BST_UNCHECKED},
    {"auto: two clicks", BS_AUTOCHECKBOX, 0, 2, BST_UNCHECKED},
    {"plain: set with -1", BS_CHECKBOX, static_cast<WPARAM>(-1), 0, BST_CHECKED},
    {"plain: a click changes nothing", BS_CHECKBOX, 0, 1, BST_UNCHECKED},
    {"push button has no check", BS_PUSHBUTTON, 1, 0, BST_UNCHECKED},
};

TEST_F(ButtonTest, CheckBoxes) {
  for (const CheckCase& c : kCheckCases) {
    SCOPED_TRACE(c.name);
    notifications_.clear();
    const HWND box = CreateControl("Button", "Keep", c.style, kButtonId);
    EXPECT_EQ(Send(box, BM_GETCHECK), BST_UNCHECKED);
    Send(box, BM_SETCHECK, c.set);
    for (int i = 0; i < c.clicks; ++i) desktop_.UserClick(box);
    EXPECT_EQ(Send(box, BM_GETCHECK), c.checked);
    EXPECT_EQ(CountOf(BN_CLICKED, box), c.clicks);
    app_.DestroyWindow(box);
  }
}

TEST_F(ButtonTest, GroupBoxIsAFrameThatTakesNoInput) {
  const HWND frame = CreateControl("Button", "Item Requests:  0", BS_GROUPBOX, kButtonId);
  Send(frame, BM_CLICK);
  desktop_.UserClick(frame);
  Send(frame, BM_SETCHECK, 1);
  EXPECT_EQ(CountOf(BN_CLICKED), 0);
  EXPECT_EQ(Send(frame, BM_GETCHECK), BST_UNCHECKED);
  app_.SetWindowText(frame, "Item Requests:  3");
  EXPECT_EQ(app_.GetWindowText(frame), "Item Requests:  3");
}

}  // namespace
}  // namespace winsys::sim::testing
