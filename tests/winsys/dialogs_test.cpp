// The host toolkit's modal dialogs: a person (here a timer of the owner, firing inside the
// dialog's own loop) answers them by clicking their buttons, and the caller gets the answer.

#include <functional>
#include <string>

#include "winsys/desktop_fixture.h"

namespace winsys::testing {
namespace {

constexpr const char* kDialogClass = "#32770";
constexpr UINT kLookMilliseconds = 50;

class DialogsTest : public DesktopTest {
 protected:
  DialogsTest() { owner_ = Make(app_, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE); }

  // Once a dialog with this title is up, acts on it once, from the owner's timer.
  void WhenUp(const std::string& title, std::function<void(HWND)> act) {
    On(owner_, WM_TIMER, [this, title, act](HWND, WPARAM, LPARAM) -> LRESULT {
      const HWND dialog = app_.FindWindow(kDialogClass, title.c_str());
      if (dialog != kNoWindow && !answered_) {
        answered_ = true;
        act(dialog);
      }
      return 0;
    });
    app_.SetTimer(owner_, 1, kLookMilliseconds);
  }

  void Click(HWND dialog, int button_id) {
    const HWND button = app_.GetDlgItem(dialog, button_id);
    ASSERT_NE(button, kNoWindow) << "button " << button_id;
    app_.SendMessage(button, BM_CLICK, 0, 0);
  }

  HWND owner_ = kNoWindow;
  bool answered_ = false;
};

struct MessageBoxCase {
  const char* name;
  UINT type;
  int clicked;
};

class MessageBoxTest : public DialogsTest, public ::testing::WithParamInterface<MessageBoxCase> {};

TEST_P(MessageBoxTest, AnswersTheButtonClicked) {
  const MessageBoxCase& c = GetParam();
  WhenUp("Question", [&](HWND dialog) { Click(dialog, c.clicked); });
  EXPECT_EQ(app_.MessageBox(owner_, "Start serving now?", "Question", c.type), c.clicked);
  EXPECT_TRUE(answered_);
  EXPECT_EQ(app_.FindWindow(kDialogClass, "Question"), kNoWindow);
}

const MessageBoxCase kMessageBoxCases[] = {
    {"OkAlone", MB_OK | MB_ICONINFORMATION, IDOK},
    {"CancelOfOkCancel", MB_OKCANCEL, IDCANCEL},
    {"NoOfYesNo", MB_YESNO | MB_ICONQUESTION, IDNO},
    {"YesOfYesNoCancel", MB_YESNOCANCEL, IDYES},
};

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxTest, ::testing::ValuesIn(kMessageBoxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogsTest, InputBoxGivesTheTypedTextOnOkAndNothingOnCancel) {
  WhenUp("Handle", [&](HWND dialog) {
    const HWND edit = app_.FindWindowEx(dialog, kNoWindow, "Edit", nullptr);
    ASSERT_NE(edit, kNoWindow);
    EXPECT_EQ(app_.GetWindowText(edit), "MailMaven");  // the default text is offered
    app_.SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Pixie \x95 Dust"));
    Click(dialog, IDOK);
  });
  EXPECT_EQ(app_.InputBox(owner_, "Your serving handle:", "Handle", "MailMaven"),
            "Pixie \x95 Dust");

  answered_ = false;
  WhenUp("Handle", [&](HWND dialog) { Click(dialog, IDCANCEL); });
  EXPECT_EQ(app_.InputBox(owner_, "Your serving handle:", "Handle", "MailMaven"), "");
}

}  // namespace
}  // namespace winsys::testing
