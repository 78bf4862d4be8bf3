// tollmere-driver for Windows: plays the person at the desk for scripted runs under Wine. It
// finds windows of the other programs by class and caption and clicks their buttons, as a
// person would, one step after another; each step waits a bounded time for its window.
//
//   tollmere-driver STEP...   where a STEP is one of
//     wait-window CAPTION SECONDS        a top-level window with this caption is visible
//     answer TITLE BUTTON SECONDS        a dialog ("#32770") with this title: click its button
//     click CAPTION BUTTON SECONDS       a top-level window with this caption: click its button
//     wait-button CAPTION BUTTON SECONDS a top-level window with this caption has this button,
//                                        enabled (as after Start, when Stop can be pressed)
//     close CAPTION SECONDS              a top-level window with this caption: close it, as its
//                                        close box does
//     say SPEAKER TEXT SECONDS           in the stand-in's console: speak TEXT in the room as
//                                        SPEAKER (types both into its edits and clicks Say)
//     answering CAPTION SECONDS          for that long, the top-level window with this caption
//                                        answers every message sent to it within a second (as
//                                        a program that a hung client has not frozen does)
//     move CAPTION X Y SECONDS           a top-level window with this caption: its top-left
//                                        corner to X, Y of the screen (for a screenshot)
//     pause SECONDS
//     keys CLASS SECONDS KEY...  end      posts key presses (down, up, right, return, escape) to
//                                        the visible top-level window of this class, such as
//                                        an open popup menu ("#32768")
//     chat TEXT                          says TEXT in the client's chat room, as the program does
//     tree CLASS                         prints the window tree of every top-level window of
//                                        this class, for finding out why a run failed
//     check FILE                         prints the client check's report of the client and
//                                        saves its capture as FILE
//
// Prints "driver: ok ..." for each step done and "driver: done" at the end; exits 1 at the first
// step that times out.

#include <cstdlib>
#include <iostream>
#include <string>

#include "aol_automation/chat_room.h"
#include "aol_automation/client_capture.h"
#include "aol_automation/text_files.h"
#include "shared/addresses.h"
#include "shared/winsys/wait.h"
#include "shared/winsys/win32/win32_window_system.h"

namespace {

using winsys::HWND;

constexpr double kPollSeconds = 0.2;
constexpr const char* kDialogClass = "#32770";
constexpr const char* kConsoleCaption = "tollmere stand-in: the room and the mail delivered";
constexpr int kConsoleSpeakerId = 1;
constexpr int kConsoleLineId = 2;

// Polls for a window, letting messages through meanwhile; 0 when the time runs out.
template <typename Find>
HWND WaitFor(winsys::WindowSystem& ws, double seconds, Find find) {
  const double deadline = ws.clock().Now() + seconds;
  for (;;) {
    if (const HWND found = find(); found != winsys::kNoWindow) return found;
    if (ws.clock().Now() >= deadline) return winsys::kNoWindow;
    winsys::WaitAtLeastSeconds(ws, kPollSeconds);
  }
}

// A button among the window's descendants, by caption ("OK" matches "&OK" too).
HWND FindButton(winsys::WindowSystem& ws, HWND parent, const std::string& caption) {
  for (HWND child = ws.FindWindowEx(parent, winsys::kNoWindow, nullptr, nullptr);
       child != winsys::kNoWindow; child = ws.FindWindowEx(parent, child, nullptr, nullptr)) {
    std::string text = ws.GetWindowText(child);
    std::string plain;
    for (char c : text) {
      if (c != '&') plain += c;
    }
    if (ws.GetClassName(child) == "Button" && (text == caption || plain == caption)) return child;
    if (const HWND inner = FindButton(ws, child, caption); inner != winsys::kNoWindow) {
      return inner;
    }
  }
  return winsys::kNoWindow;
}

HWND WaitForVisible(winsys::WindowSystem& ws, const char* class_name, const std::string& caption,
                    double seconds) {
  return WaitFor(ws, seconds, [&] {
    const HWND found = ws.FindWindow(class_name, caption.empty() ? nullptr : caption.c_str());
    return found != winsys::kNoWindow && ws.IsWindowVisible(found) ? found : winsys::kNoWindow;
  });
}

enum class ButtonState { kAny, kEnabled };

// A button of a visible top-level window (found by class and caption), once it is there in the
// state asked for; 0 when the time runs out.
HWND WaitForButton(winsys::WindowSystem& ws, const char* class_name, const std::string& caption,
                   const std::string& button, ButtonState state, double seconds) {
  const HWND top = WaitForVisible(ws, class_name, caption, seconds);
  if (top == winsys::kNoWindow) return winsys::kNoWindow;
  return WaitFor(ws, seconds, [&] {
    const HWND found = FindButton(ws, top, button);
    if (found == winsys::kNoWindow) return winsys::kNoWindow;
    return state == ButtonState::kAny || ws.IsWindowEnabled(found) ? found : winsys::kNoWindow;
  });
}

bool Click(winsys::WindowSystem& ws, const char* class_name, const std::string& caption,
           const std::string& button, double seconds) {
  const HWND target = WaitForButton(ws, class_name, caption, button, ButtonState::kAny, seconds);
  if (target == winsys::kNoWindow) return false;
  // Posted, so that a modal loop the click starts in the other program does not hold us.
  ws.PostMessage(target, winsys::BM_CLICK, 0, 0);
  return true;
}

bool Close(winsys::WindowSystem& ws, const std::string& caption, double seconds) {
  const HWND top = WaitForVisible(ws, nullptr, caption, seconds);
  if (top == winsys::kNoWindow) return false;
  ws.PostMessage(top, winsys::WM_CLOSE, 0, 0);
  return true;
}

bool Move(winsys::WindowSystem& ws, const std::string& caption, int x, int y, double seconds) {
  const HWND top = WaitForVisible(ws, nullptr, caption, seconds);
  if (top == winsys::kNoWindow) return false;
  return ws.SetWindowPos(top, winsys::kNoWindow, x, y, 0, 0,
                         winsys::SWP_NOSIZE | winsys::SWP_NOZORDER | winsys::SWP_NOACTIVATE);
}

bool Say(winsys::WindowSystem& ws, const std::string& speaker, const std::string& text,
         double seconds) {
  const HWND console = WaitForVisible(ws, nullptr, kConsoleCaption, seconds);
  if (console == winsys::kNoWindow) return false;
  ws.SetWindowText(ws.GetDlgItem(console, kConsoleSpeakerId), speaker);
  ws.SetWindowText(ws.GetDlgItem(console, kConsoleLineId), text);
  return Click(ws, nullptr, kConsoleCaption, "Say", seconds);
}

// Whether the window keeps answering at once: its text length, asked over and over, comes back
// (a window that does not answer gives 0) and quickly.
bool KeepsAnswering(winsys::WindowSystem& ws, const std::string& caption, double seconds) {
  constexpr double kPromptly = 1.0;
  const HWND top = WaitForVisible(ws, nullptr, caption, kPromptly);
  if (top == winsys::kNoWindow) return false;
  const double deadline = ws.clock().Now() + seconds;
  while (ws.clock().Now() < deadline) {
    const double asked = ws.clock().Now();
    const winsys::LRESULT length = ws.SendMessage(top, winsys::WM_GETTEXTLENGTH, 0, 0);
    const double took = ws.clock().Now() - asked;
    if (length <= 0 || took > kPromptly) {
      std::cout << "driver: no prompt answer (took " << took << " s)" << std::endl;
      return false;
    }
    winsys::WaitAtLeastSeconds(ws, kPollSeconds);
  }
  return true;
}

void PrintTree(winsys::WindowSystem& ws, HWND window, int depth) {
  std::cout << std::string(static_cast<std::size_t>(depth) * 2, ' ') << ws.GetClassName(window)
            << " \"" << ws.GetWindowText(window) << "\""
            << (ws.IsWindowVisible(window) ? "" : " hidden") << "\n";
  for (HWND child = ws.FindWindowEx(window, winsys::kNoWindow, nullptr, nullptr);
       child != winsys::kNoWindow; child = ws.FindWindowEx(window, child, nullptr, nullptr)) {
    PrintTree(ws, child, depth + 1);
  }
}

// The words of one step, read in order; a word missing at the end reads as empty.
class StepWords {
 public:
  StepWords(int argc, char** argv, int first) : argc_(argc), argv_(argv), next_(first) {}
  bool AtEnd() const { return next_ >= argc_; }
  std::string Text() { return next_ < argc_ ? argv_[next_++] : std::string(); }
  double Seconds() { return std::atof(Text().c_str()); }
  int Number() { return std::atoi(Text().c_str()); }

 private:
  int argc_;
  char** argv_;
  int next_;
};

std::string Quoted(const std::string& text) {
  return " \"" + text + "\"";
}

// A step reads its words, adds what it was asked to the description and answers whether it was
// done in time.
using StepAction = bool (*)(winsys::WindowSystem& ws, StepWords& words, std::string& described);

bool WaitWindowStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string caption = words.Text();
  const double seconds = words.Seconds();
  described += Quoted(caption);
  return WaitForVisible(ws, nullptr, caption, seconds) != winsys::kNoWindow;
}

bool ClickIn(const char* class_name, winsys::WindowSystem& ws, StepWords& words,
             std::string& described) {
  const std::string caption = words.Text();
  const std::string button = words.Text();
  const double seconds = words.Seconds();
  described += Quoted(caption) + " " + button;
  return Click(ws, class_name, caption, button, seconds);
}

bool AnswerStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  return ClickIn(kDialogClass, ws, words, described);
}

bool ClickStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  return ClickIn(nullptr, ws, words, described);
}

bool WaitButtonStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string caption = words.Text();
  const std::string button = words.Text();
  const double seconds = words.Seconds();
  described += Quoted(caption) + " " + button;
  return WaitForButton(ws, nullptr, caption, button, ButtonState::kEnabled, seconds) !=
         winsys::kNoWindow;
}

bool CloseStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string caption = words.Text();
  const double seconds = words.Seconds();
  described += Quoted(caption);
  return Close(ws, caption, seconds);
}

bool MoveStep(winsys::WindowSystem& ws, StepWords& words, std::string& /*described*/) {
  const std::string caption = words.Text();
  const int x = words.Number();
  const int y = words.Number();
  const double seconds = words.Seconds();
  return Move(ws, caption, x, y, seconds);
}

bool SayStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string speaker = words.Text();
  const std::string text = words.Text();
  const double seconds = words.Seconds();
  described += " " + speaker + Quoted(text);
  return Say(ws, speaker, text, seconds);
}

bool AnsweringStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string caption = words.Text();
  const double seconds = words.Seconds();
  described += Quoted(caption);
  return KeepsAnswering(ws, caption, seconds);
}

winsys::WPARAM KeyCode(const std::string& key) {
  if (key == "down") return winsys::VK_DOWN;
  if (key == "up") return winsys::VK_UP;
  if (key == "right") return winsys::VK_RIGHT;
  if (key == "escape") return winsys::VK_ESCAPE;
  return winsys::VK_RETURN;
}

// The keys are read to their "end" even when the window never showed, so that the next step
// starts at its own name.
bool KeysStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string class_name = words.Text();
  const double seconds = words.Seconds();
  described += " " + class_name;
  const HWND target = WaitForVisible(ws, class_name.c_str(), "", seconds);
  const bool found = target != winsys::kNoWindow;
  for (std::string key = words.Text(); !key.empty() && key != "end"; key = words.Text()) {
    if (!found) continue;
    ws.PostMessage(target, winsys::WM_KEYDOWN, KeyCode(key), 1);
    winsys::WaitAtLeastSeconds(ws, kPollSeconds);
  }
  return found;
}

bool ChatStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string text = words.Text();
  described += Quoted(text);
  vornik32::ChatSend(ws, text);
  return true;
}

bool TreeStep(winsys::WindowSystem& ws, StepWords& words, std::string& /*described*/) {
  const std::string class_name = words.Text();
  for (HWND top =
           ws.FindWindowEx(winsys::kNoWindow, winsys::kNoWindow, class_name.c_str(), nullptr);
       top != winsys::kNoWindow;
       top = ws.FindWindowEx(winsys::kNoWindow, top, class_name.c_str(), nullptr)) {
    PrintTree(ws, top, 0);
  }
  return true;
}

bool CheckStep(winsys::WindowSystem& ws, StepWords& words, std::string& described) {
  const std::string file = words.Text();
  described += Quoted(file);
  const vornik32::ClientReading reading = vornik32::ClientCheck(ws).Read();
  std::cout << vornik32::ReportText(reading) << std::endl;
  return vornik32::WriteTextFile(file, vornik32::CaptureText(ws, reading, vornik32::Names::kKeep,
                                                             shared::kProgramVersion)) ==
         vornik32::WriteResult::kWritten;
}

bool PauseStep(winsys::WindowSystem& ws, StepWords& words, std::string& /*described*/) {
  winsys::WaitAtLeastSeconds(ws, words.Seconds());
  return true;
}

struct Step {
  const char* name;
  StepAction action;
};

constexpr Step kSteps[] = {
    {"wait-window", WaitWindowStep},
    {"answer", AnswerStep},
    {"click", ClickStep},
    {"wait-button", WaitButtonStep},
    {"close", CloseStep},
    {"move", MoveStep},
    {"say", SayStep},
    {"answering", AnsweringStep},
    {"keys", KeysStep},
    {"chat", ChatStep},
    {"tree", TreeStep},
    {"check", CheckStep},
    {"pause", PauseStep},
};

StepAction ActionOf(const std::string& name) {
  for (const Step& step : kSteps) {
    if (name == step.name) return step.action;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  winsys::win32::Win32WindowSystem ws;
  StepWords words(argc, argv, 1);
  while (!words.AtEnd()) {
    const std::string step = words.Text();
    const StepAction action = ActionOf(step);
    if (action == nullptr) {
      std::cerr << "driver: unknown step " << step << "\n";
      return 2;
    }
    std::string described = step;
    if (!action(ws, words, described)) {
      std::cout << "driver: FAILED " << described << std::endl;
      return 1;
    }
    std::cout << "driver: ok " << described << std::endl;
  }
  std::cout << "driver: done" << std::endl;
  return 0;
}
