// Message boxes, the input box and the file dialogs, opened through the process's WindowSystem and
// answered as a person answers them: from an idle hook, by typing and clicking.

#include "shared/winsys/sim/dialogs.h"

#include <optional>
#include <string>
#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

constexpr char kClose[] = "(close box)";

class DialogsTest : public SimFixture {
 protected:
  // Clicks the button with this caption, or closes the dialog for kClose.
  void Press(HWND dialog, const char* button) {
    if (std::string(button) == kClose) {
      EXPECT_EQ(desktop_.UserClose(dialog), InputResult::kDelivered);
    } else {
      ASSERT_NE(ButtonOf(dialog, button), kNoWindow) << button;
      EXPECT_EQ(desktop_.UserClick(ButtonOf(dialog, button)), InputResult::kDelivered);
    }
  }

  std::vector<std::string> ButtonCaptions(HWND dialog) {
    std::vector<std::string> captions;
    for (HWND b = app_.FindWindowEx(dialog, kNoWindow, "Button", nullptr); b != kNoWindow;
         b = app_.FindWindowEx(dialog, b, "Button", nullptr)) {
      captions.push_back(app_.GetWindowText(b));
    }
    return captions;
  }

  bool AnyDialogWindow() {
    for (HWND window : desktop_.TopLevelWindows()) {
      if (app_.GetClassName(window) == "#32770") return true;
    }
    return false;
  }

  void ExpectAllClosed() {
    EXPECT_TRUE(desktop_.OpenModals().empty());
    EXPECT_FALSE(AnyDialogWindow());
    EXPECT_TRUE(app_.IsWindowEnabled(form_));
  }
};

struct MessageBoxCase {
  UINT type;
  std::vector<std::string> buttons;
  const char* press;
  int answer;
};

TEST_F(DialogsTest, MessageBoxButtonsAndAnswers) {
  const MessageBoxCase cases[] = {
      {MB_OK, {"OK"}, "OK", IDOK},
      {MB_OK | MB_ICONINFORMATION, {"OK"}, kClose, IDOK},
      {MB_OKCANCEL, {"OK", "Cancel"}, "OK", IDOK},
      {MB_OKCANCEL, {"OK", "Cancel"}, "Cancel", IDCANCEL},
      {MB_OKCANCEL, {"OK", "Cancel"}, kClose, IDCANCEL},
      {MB_YESNO | MB_ICONQUESTION, {"&Yes", "&No"}, "&Yes", IDYES},
      {MB_YESNO, {"&Yes", "&No"}, "&No", IDNO},
      {MB_YESNO, {"&Yes", "&No"}, kClose, IDNO},
      {MB_YESNOCANCEL, {"&Yes", "&No", "Cancel"}, "&No", IDNO},
      {MB_YESNOCANCEL | MB_ICONWARNING, {"&Yes", "&No", "Cancel"}, kClose, IDCANCEL},
  };
  for (const MessageBoxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " " + c.press);
    std::vector<std::string> shown;
    AnswerModals([&](const ModalInfo& info) {
      shown = ButtonCaptions(info.window);
      Press(info.window, c.press);
    });
    EXPECT_EQ(app_.MessageBox(form_, "Start serving?", "Server", c.type), c.answer);
    EXPECT_EQ(shown, c.buttons);
    ExpectAllClosed();
  }
}

TEST_F(DialogsTest, MessageBoxIsAModalTopmostDialogOfTheCallingProcess) {
  std::optional<ModalInfo> seen;
  AnswerModals([&](const ModalInfo& info) {
    seen = info;
    const HWND dialog = info.window;
    EXPECT_EQ(app_.GetClassName(dialog), "#32770");
    EXPECT_EQ(app_.GetWindowText(dialog), "Server");
    EXPECT_TRUE(app_.IsWindowVisible(dialog));
    EXPECT_TRUE(app_.IsTopmost(dialog));
    EXPECT_EQ(app_.GetWindow(dialog, GW_OWNER), form_);
    DWORD process = 0;
    app_.GetWindowThreadProcessId(dialog, &process);
    EXPECT_EQ(process, app_.GetCurrentProcessId());
    const HWND text = app_.GetDlgItem(dialog, kDialogTextId);
    EXPECT_EQ(app_.GetClassName(text), "Static");
    EXPECT_EQ(app_.GetWindowText(text), "Line one\r\nLine two");
    EXPECT_EQ(app_.GetParent(app_.GetFocus()), dialog);
    EXPECT_EQ(app_.GetForegroundWindow(), dialog);
    Press(dialog, "&Yes");
  });
  EXPECT_EQ(app_.MessageBox(form_, "Line one\r\nLine two", "Server", MB_YESNO | MB_ICONQUESTION),
            IDYES);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->kind, ModalKind::kMessageBox);
  EXPECT_EQ(seen->title, "Server");
  EXPECT_EQ(seen->text, "Line one\r\nLine two");
  EXPECT_EQ(seen->type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(seen->owner, form_);
  EXPECT_EQ(seen->process, desktop_.ProcessIdOf(app_));
  EXPECT_FALSE(app_.IsWindow(seen->window));
  ExpectAllClosed();
}

TEST_F(DialogsTest, OwnerTakesNoInputWhileTheBoxIsOpen) {
  const HWND start = CreateControl("Button", "Start", BS_PUSHBUTTON, 1);
  const HWND other = CreateRecorder("Another window");
  const HWND other_button = CreateControl("Button", "Other", BS_PUSHBUTTON, 2, other);
  AnswerModals([&](const ModalInfo& info) {
    EXPECT_FALSE(app_.IsWindowEnabled(form_));
    EXPECT_NE(desktop_.UserClick(start), InputResult::kDelivered);
    EXPECT_EQ(desktop_.UserClick(other_button), InputResult::kUnderModal);
    EXPECT_EQ(desktop_.UserType(CreateControl("Edit", "", 0, 3, other), "x"),
              InputResult::kUnderModal);
    Press(info.window, "OK");
  });
  app_.MessageBox(form_, "Busy", "Server", MB_OK);
  EXPECT_EQ(CountOf(BN_CLICKED, start) + CountOf(BN_CLICKED, other_button), 0);
  ExpectAllClosed();
  EXPECT_EQ(desktop_.UserClick(start), InputResult::kDelivered);
  EXPECT_EQ(CountOf(BN_CLICKED, start), 1);
}

TEST_F(DialogsTest, OwnerlessBoxStillHoldsTheProcessOff) {
  const HWND start = CreateControl("Button", "Start", BS_PUSHBUTTON, 1);
  WindowSystem& client = desktop_.CreateProcess("client");
  CreateParams client_params;
  client_params.class_name = "Button";
  client_params.caption = "Elsewhere";
  client_params.style = WS_POPUP | WS_VISIBLE;
  const HWND client_window = client.CreateWindow(client_params);
  AnswerModals([&](const ModalInfo& info) {
    EXPECT_EQ(info.owner, kNoWindow);
    EXPECT_TRUE(app_.IsWindowEnabled(form_));
    EXPECT_EQ(desktop_.UserClick(start), InputResult::kUnderModal);
    EXPECT_EQ(desktop_.UserClick(client_window), InputResult::kDelivered);  // another process
    Press(info.window, "OK");
  });
  EXPECT_EQ(app_.MessageBox(kNoWindow, "Done", "Server", MB_OK), IDOK);
  EXPECT_EQ(CountOf(BN_CLICKED, start), 0);
  ExpectAllClosed();
}

TEST_F(DialogsTest, TimersKeepFiringWhileTheBoxIsOpen) {
  int ticks = 0;
  app_.RegisterClass("TestTicker", [&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_TIMER) ++ticks;
    return app_.DefWindowProc(w, m, wp, lp);
  });
  CreateParams params;
  params.class_name = "TestTicker";
  params.style = WS_POPUP;
  const HWND ticker = app_.CreateWindow(params);
  app_.SetTimer(ticker, 1, 100);

  const double opened = clock_.Now();
  desktop_.AddIdleHook([&] {
    const std::optional<ModalInfo> top = desktop_.TopModal();
    if (top && clock_.Now() - opened >= 2.0) desktop_.UserClick(ButtonOf(top->window, "OK"));
  });
  EXPECT_EQ(app_.MessageBox(form_, "Serving", "Server", MB_OK), IDOK);
  EXPECT_GE(clock_.Now() - opened, 2.0);
  EXPECT_GE(ticks, 18);
  EXPECT_LE(ticks, 21);
  ExpectAllClosed();
}

TEST_F(DialogsTest, BoxOpenedFromATimerInsideAnotherBox) {
  bool inner_done = false;
  int inner_answer = 0;
  bool owner_disabled_after_inner = false;
  app_.RegisterClass("TestTicker", [&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_TIMER) {
      app_.KillTimer(w, wp);
      inner_answer = app_.MessageBox(form_, "Inner", "Inner", MB_YESNO);
      owner_disabled_after_inner = !app_.IsWindowEnabled(form_);
      inner_done = true;
    }
    return app_.DefWindowProc(w, m, wp, lp);
  });
  CreateParams params;
  params.class_name = "TestTicker";
  params.style = WS_POPUP;
  app_.SetTimer(app_.CreateWindow(params), 1, 500);

  desktop_.AddIdleHook([&] {
    const std::optional<ModalInfo> top = desktop_.TopModal();
    if (!top) return;
    if (top->title == "Inner") {
      EXPECT_EQ(desktop_.OpenModals().size(), 2u);
      desktop_.UserClick(ButtonOf(top->window, "&No"));
    } else if (inner_done) {
      desktop_.UserClick(ButtonOf(top->window, "Cancel"));
    }
  });
  EXPECT_EQ(app_.MessageBox(form_, "Outer", "Outer", MB_OKCANCEL), IDCANCEL);
  EXPECT_TRUE(inner_done);
  EXPECT_EQ(inner_answer, IDNO);
  EXPECT_TRUE(owner_disabled_after_inner);  // the outer box still holds its owner
  ExpectAllClosed();
}

TEST_F(DialogsTest, WatchdogEndsAnUnansweredBoxAndLeavesNothingOpen) {
  desktop_.SetWatchdog(5);
  EXPECT_THROW(app_.MessageBox(form_, "Nobody answers", "Server", MB_OK), WatchdogExpired);
  ExpectAllClosed();
}

TEST_F(DialogsTest, OwnerDestroyedWhileTheBoxIsOpen) {
  AnswerModals([&](const ModalInfo&) { app_.DestroyWindow(form_); });
  EXPECT_EQ(app_.MessageBox(form_, "Going", "Server", MB_OKCANCEL), IDCANCEL);
  EXPECT_TRUE(desktop_.OpenModals().empty());
  EXPECT_FALSE(AnyDialogWindow());
}

TEST_F(DialogsTest, ObserversHearOfEachBoxAndItsAnswer) {
  struct Recorder : DesktopObserver {
    std::vector<std::string> events;
    void OnModalOpened(const ModalInfo& info) override { events.push_back("open " + info.text); }
    void OnModalClosed(const ModalInfo& info, int answer) override {
      events.push_back("closed " + info.text + " " + std::to_string(answer));
    }
  } observer;
  desktop_.AddObserver(&observer);
  AnswerModals([&](const ModalInfo& info) { Press(info.window, "&Yes"); });
  app_.MessageBox(form_, "Clear?", "Server", MB_YESNO);
  desktop_.RemoveObserver(&observer);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"open Clear?", "closed Clear? 6"}));
}

struct InputCase {
  const char* name;
  const char* default_text;
  std::optional<std::string> typed;
  const char* press;
  std::string result;
};

TEST_F(DialogsTest, InputBox) {
  const InputCase cases[] = {
      {"default kept", "Ben", std::nullopt, "OK", "Ben"},
      {"typed", "Ben", "Carl Dee", "OK", "Carl Dee"},
      {"typed empty", "Ben", "", "OK", ""},
      {"cancel after typing", "Ben", "Carl", "Cancel", ""},
      {"closed", "Ben", std::nullopt, kClose, ""},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<ModalInfo> seen;
    AnswerModals([&](const ModalInfo& info) {
      seen = info;
      const HWND edit = app_.GetDlgItem(info.window, kDialogEditId);
      EXPECT_EQ(app_.GetClassName(edit), "Edit");
      EXPECT_EQ(app_.GetWindowText(edit), c.default_text);
      EXPECT_EQ(app_.GetFocus(), edit);
      EXPECT_EQ(app_.GetWindowText(app_.GetDlgItem(info.window, kDialogTextId)), "Screen name:");
      EXPECT_EQ(ButtonCaptions(info.window), (std::vector<std::string>{"OK", "Cancel"}));
      if (c.typed) {
        EXPECT_EQ(desktop_.UserType(edit, *c.typed), InputResult::kDelivered);
      }
      Press(info.window, c.press);
    });
    EXPECT_EQ(app_.InputBox(form_, "Screen name:", "Ban", c.default_text), c.result);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->kind, ModalKind::kInputBox);
    EXPECT_EQ(seen->title, "Ban");
    EXPECT_EQ(seen->text, "Screen name:");
    EXPECT_EQ(seen->default_text, c.default_text);
    ExpectAllClosed();
  }
}

struct FileCase {
  const char* name;
  FileDialogKind kind;
  const char* default_extension;
  std::optional<std::string> typed;
  const char* press;
  std::string result;
};

TEST_F(DialogsTest, FileDialogs) {
  const FileCase cases[] = {
      {"save adds the extension", FileDialogKind::kSave, "txt", "notes", "&Save", "notes.txt"},
      {"open adds it too", FileDialogKind::kOpen, "txt", "notes", "&Open", "notes.txt"},
      {"an extension is kept", FileDialogKind::kSave, "txt", "notes.log", "&Save", "notes.log"},
      {"a dot in a folder is no extension", FileDialogKind::kSave, "txt", "my.dir\\notes", "&Save",
       "my.dir\\notes.txt"},
      {"a dotted default extension", FileDialogKind::kSave, ".txt", "notes", "&Save", "notes.txt"},
      {"no default extension", FileDialogKind::kOpen, "", "notes", "&Open", "notes"},
      {"the initial name", FileDialogKind::kOpen, "txt", std::nullopt, "&Open", "lists.txt"},
      {"cancel after typing", FileDialogKind::kSave, "txt", "notes", "Cancel", ""},
      {"closed", FileDialogKind::kOpen, "txt", std::nullopt, kClose, ""},
      {"an empty name", FileDialogKind::kSave, "txt", "", "&Save", ""},
      {"a name of blanks", FileDialogKind::kSave, "req", "   ", "&Save", ""},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    FileDialogSpec request;
    request.title = "Type a filename";
    request.filter_text = "*.txt  (Text Files)";
    request.filter_pattern = "*.txt";
    request.default_extension = c.default_extension;
    request.initial_name = "lists.txt";
    std::optional<ModalInfo> seen;
    AnswerModals([&](const ModalInfo& info) {
      seen = info;
      EXPECT_EQ(app_.GetWindowText(info.window), "Type a filename");
      const HWND name = app_.GetDlgItem(info.window, kDialogEditId);
      EXPECT_EQ(app_.GetWindowText(name), "lists.txt");
      EXPECT_NE(app_.FindWindowEx(info.window, kNoWindow, "Static", "*.txt  (Text Files)"),
                kNoWindow);
      const char* ok = c.kind == FileDialogKind::kOpen ? "&Open" : "&Save";
      EXPECT_EQ(ButtonCaptions(info.window), (std::vector<std::string>{ok, "Cancel"}));
      if (c.typed) desktop_.UserType(name, *c.typed);
      Press(info.window, c.press);
    });
    EXPECT_EQ(app_.FileDialog(form_, c.kind, request), c.result);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->kind, ModalKind::kFileDialog);
    EXPECT_EQ(seen->file_kind, c.kind);
    EXPECT_EQ(seen->file_spec.filter_pattern, "*.txt");
    EXPECT_EQ(seen->title, "Type a filename");
    ExpectAllClosed();
  }
}

TEST_F(DialogsTest, FileDialogWithoutATitleIsNamedForItsKind) {
  std::vector<std::string> titles;
  AnswerModals([&](const ModalInfo& info) {
    titles.push_back(app_.GetWindowText(info.window));
    Press(info.window, "Cancel");
  });
  app_.FileDialog(form_, FileDialogKind::kOpen, FileDialogSpec{});
  app_.FileDialog(form_, FileDialogKind::kSave, FileDialogSpec{});
  EXPECT_EQ(titles, (std::vector<std::string>{"Open", "Save As"}));
}

}  // namespace
}  // namespace winsys::sim::testing
