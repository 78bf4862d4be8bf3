// The "#32770" class by itself, as the stand-in client uses it for its notices: buttons record the
// answer, closing records the close answer, nothing destroys the window.

#include "shared/winsys/sim/dialog_window.h"

#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

class DialogWindowTest : public SimFixture {
 protected:
  HWND MakeDialog(const std::vector<std::pair<int, const char*>>& buttons) {
    CreateParams params;
    params.class_name = "#32770";
    params.caption = "America Online";
    params.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    const HWND dialog = app_.CreateWindow(params);
    bool first = true;
    for (const auto& [id, caption] : buttons) {
      CreateControl("Button", caption, first ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, id, dialog);
      first = false;
    }
    return dialog;
  }
  LRESULT Answer(HWND dialog) { return Send(dialog, kQueryDialogAnswer); }
};

TEST_F(DialogWindowTest, CloseAnswers) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, const char*>> buttons;
    LRESULT answer;
  };
  const Case cases[] = {
      {"OK only", {{IDOK, "OK"}}, IDOK},
      {"OK and Cancel", {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}, IDCANCEL},
      {"Yes and No", {{IDYES, "&Yes"}, {IDNO, "&No"}}, IDNO},
      {"Yes, No and Cancel", {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}}, IDCANCEL},
      {"no buttons", {}, IDCANCEL},
  };
  for (const Case& c : cases) {
    for (bool by_key : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (by_key ? " (escape)" : " (close box)"));
      const HWND dialog = MakeDialog(c.buttons);
      EXPECT_EQ(Answer(dialog), 0);
      if (by_key) {
        desktop_.UserKey(dialog, VK_ESCAPE);
      } else {
        EXPECT_EQ(desktop_.UserClose(dialog), InputResult::kDelivered);
      }
      EXPECT_TRUE(app_.IsWindow(dialog));
      EXPECT_EQ(Answer(dialog), c.answer);
      app_.DestroyWindow(dialog);
    }
  }
}

TEST_F(DialogWindowTest, FirstButtonClickedIsTheAnswer) {
  const HWND dialog = MakeDialog({{IDYES, "&Yes"}, {IDNO, "&No"}});
  Send(ButtonOf(dialog, "&No"), WM_KEYDOWN, VK_SPACE);
  Send(ButtonOf(dialog, "&No"), WM_KEYUP, VK_SPACE);
  desktop_.UserClick(ButtonOf(dialog, "&Yes"));
  EXPECT_EQ(Answer(dialog), IDNO);
  EXPECT_TRUE(app_.IsWindow(dialog));
}

TEST_F(DialogWindowTest, ReturnClicksTheDefaultButton) {
  const HWND dialog = MakeDialog({{IDYES, "&Yes"}, {IDNO, "&No"}});
  desktop_.UserKey(dialog, VK_RETURN);
  EXPECT_EQ(Answer(dialog), IDYES);
}

TEST_F(DialogWindowTest, ASubclassSeesTheClicksAndMayDestroyTheDialog) {
  const HWND dialog = MakeDialog({{IDOK, "OK"}});
  WindowProc previous;
  previous = app_.SubclassWindow(dialog, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    const LRESULT result = previous(w, m, wp, lp);
    if (m == WM_COMMAND && HighWord(wp) == BN_CLICKED) app_.DestroyWindow(w);
    return result;
  });
  desktop_.UserClick(ButtonOf(dialog, "OK"));
  EXPECT_FALSE(app_.IsWindow(dialog));
}

}  // namespace
}  // namespace winsys::sim::testing
