// The dialog helpers answered as a person answers them: by clicking the buttons of the modal
// window once it is on the screen, and typing into its edit.

#include "shared/winsys/sim/dialogs.h"

#include <gmock/gmock.h>

#include <deque>
#include <optional>

#include "shared/ui/clipboard.h"
#include "shared/ui/common_dialog.h"
#include "shared/ui/input_box.h"
#include "shared/ui/message_box.h"
#include "shared/ui/stay_on_top.h"
#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using namespace winsys;

class DialogsTest : public UiFixture {
 protected:
  using Answer = std::function<void(const sim::ModalInfo&)>;
  DialogsTest() {
    test_->form.Show();
    // Each dialog that opens gets the next answer.
    AnswerModals([this](const sim::ModalInfo& info) {
      seen_.push_back(info);
      if (answers_.empty()) return;
      const Answer answer = std::move(answers_.front());
      answers_.pop_front();
      answer(info);
    });
  }
  HWND owner() { return test_->form.hwnd(); }
  void Click(const sim::ModalInfo& info, int button_id) {
    desktop_.UserClick(DialogItem(info.window, button_id));
  }
  // The text typed into the dialog's edit, if any, then a click on the button.
  void AnswerWith(int button_id, std::optional<std::string> typed = std::nullopt) {
    answers_.push_back([this, button_id, typed](const sim::ModalInfo& info) {
      if (typed) desktop_.UserType(DialogItem(info.window, sim::kDialogEditId), *typed);
      Click(info, button_id);
    });
  }
  std::deque<Answer> answers_;
  std::vector<sim::ModalInfo> seen_;
};

TEST_F(DialogsTest, MessageBoxAnswersAreTheButtonsClicked) {
  struct Row {
    MsgBoxButtons buttons;
    int clicked;
    MsgBoxAnswer answer;
  };
  const Row rows[] = {
      {MsgBoxButtons::kOk, IDOK, MsgBoxAnswer::kOk},
      {MsgBoxButtons::kOkCancel, IDCANCEL, MsgBoxAnswer::kCancel},
      {MsgBoxButtons::kYesNo, IDYES, MsgBoxAnswer::kYes},
      {MsgBoxButtons::kYesNo, IDNO, MsgBoxAnswer::kNo},
      {MsgBoxButtons::kYesNoCancel, IDCANCEL, MsgBoxAnswer::kCancel},
  };
  for (const Row& row : rows) {
    AnswerWith(row.clicked);
    EXPECT_EQ(MsgBox(ws_, owner(), "Remove all pending commands?", row.buttons,
                     MsgBoxIcon::kQuestion, "tollmere"),
              row.answer);
  }
}

TEST_F(DialogsTest, MessageBoxShowsTextTitleAndIcon) {
  AnswerWith(IDOK);
  MsgBox(ws_, owner(), "Not signed on!", MsgBoxButtons::kOk, MsgBoxIcon::kCritical, "tollmere");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].kind, sim::ModalKind::kMessageBox);
  EXPECT_EQ(seen_[0].text, "Not signed on!");
  EXPECT_EQ(seen_[0].title, "tollmere");
  EXPECT_EQ(seen_[0].owner, owner());
  EXPECT_EQ(seen_[0].type & MB_ICONMASK, MB_ICONERROR);
  EXPECT_EQ(seen_[0].type & MB_TYPEMASK, MB_OK);
}

TEST_F(DialogsTest, TheFormTakesNoInputWhileAMessageBoxIsOpen) {
  sim::InputResult while_open = sim::InputResult::kDelivered;
  answers_.push_back([&](const sim::ModalInfo& info) {
    while_open = desktop_.UserClick(test_->Command1.hwnd());
    Click(info, IDOK);
  });
  MsgBox(ws_, owner(), "The serving report has been copied to the clipboard.", MsgBoxButtons::kOk,
         MsgBoxIcon::kInformation, "tollmere");
  EXPECT_NE(while_open, sim::InputResult::kDelivered);
  EXPECT_EQ(test_->CountOf("Command1_Click"), 0);
}

TEST_F(DialogsTest, TimersKeepFiringWhileADialogIsOpen) {
  test_->RequestTimer.Enable();
  answers_.push_back([this](const sim::ModalInfo& info) {
    desktop_.ScheduleAt(clock_.Now() + 1.0, [this, info] { Click(info, IDOK); });
  });
  MsgBox(ws_, owner(), "Wait", MsgBoxButtons::kOk, MsgBoxIcon::kNone, "tollmere");
  EXPECT_GE(test_->CountOf("RequestTimer_Timer"), 9);
}

TEST_F(DialogsTest, InputBoxAnswersTheTypedTextOrNothingOnCancel) {
  AnswerWith(IDOK, "  BotName  ");
  EXPECT_EQ(InputBox(ws_, owner(), "Enter serving handle:", "Enter serving handle", "[Screenname]"),
            "  BotName  ");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].kind, sim::ModalKind::kInputBox);
  EXPECT_EQ(seen_[0].text, "Enter serving handle:");
  EXPECT_EQ(seen_[0].default_text, "[Screenname]");

  AnswerWith(IDOK);
  EXPECT_EQ(InputBox(ws_, owner(), "Enter request limit:", "Enter request limit", "100"), "100");

  AnswerWith(IDCANCEL, "50");
  EXPECT_EQ(InputBox(ws_, owner(), "Enter request limit:", "Enter request limit", "100"), "");
}

TEST_F(DialogsTest, CommonDialogSetsTheFileNameOrEmptiesItOnCancel) {
  CommonDialog dialog(test_->form);
  dialog.set_dialog_title("Type a filename");
  dialog.set_filter({"*.txt  (Text Files)", "*.txt"});
  dialog.set_default_ext("txt");

  AnswerWith(IDOK, "message");
  EXPECT_EQ(dialog.ShowSave(), "message.txt");
  EXPECT_EQ(dialog.file_name(), "message.txt");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].kind, sim::ModalKind::kFileDialog);
  EXPECT_EQ(seen_[0].file_kind, FileDialogKind::kSave);
  EXPECT_EQ(seen_[0].title, "Type a filename");
  EXPECT_EQ(seen_[0].file_spec.filter_text, "*.txt  (Text Files)");
  EXPECT_EQ(seen_[0].file_spec.filter_pattern, "*.txt");

  AnswerWith(IDCANCEL);
  EXPECT_EQ(dialog.ShowOpen(), "");
  EXPECT_EQ(dialog.file_name(), "");
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_EQ(seen_[1].file_kind, FileDialogKind::kOpen);
}

TEST_F(DialogsTest, ClipboardHoldsPlainText) {
  Clipboard clipboard(ws_);
  EXPECT_EQ(clipboard.GetText(), "");
  clipboard.SetText("!! Tollmere Serving Report !!\r\n\r\n");
  EXPECT_EQ(clipboard.GetText(), "!! Tollmere Serving Report !!\r\n\r\n");
  clipboard.SetText("again");
  EXPECT_EQ(clipboard.GetText(), "again");
}

TEST_F(DialogsTest, StayOnTopMakesTheWindowTopmost) {
  EXPECT_FALSE(ws_.IsTopmost(owner()));
  Rect before;
  ws_.GetWindowRect(owner(), before);
  StayOnTop(ws_, owner());
  EXPECT_TRUE(ws_.IsTopmost(owner()));
  Rect after;
  ws_.GetWindowRect(owner(), after);
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace ui::testing
