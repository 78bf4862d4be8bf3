#pragma once
// The whole system on one simulated desktop, for the tests of the program's windows: the clock
// (first), the desktop, the stand-in client in a process of its own, and the program in another,
// with short wait bounds and a watchdog, so a test that would wait forever fails instead.
//
// The test acts as the person at the screen: clicks, selections, typing and keys go through the
// desktop to the registry's control windows, and the program's dialogs are answered from an idle
// hook once they are on the screen: each message box gets its first button unless an answer was
// queued, each file dialog the path queued for it (or Cancel). Every box shown is recorded.
//
// Header-only: each test folder that includes it compiles it into its own program.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "aolsim/client.h"
#include "app/program.h"
#include "shared/ui/combo_box.h"
#include "shared/ui/form.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace tollmere_testing {

// Bounds short enough for tests, long enough for the stand-in's default delays.
inline vornik32::WaitBounds ShortWaitBounds() {
  vornik32::WaitBounds bounds;
  bounds.popup_menu = 5;
  bounds.window_appears = 5;
  bounds.mail_opens = 5;
  bounds.mailbox_fills = 60;
  bounds.window_closes = 5;
  bounds.instant_message_answer = 5;
  bounds.flash_session_ends = 30;
  return bounds;
}

struct ShownBox {
  std::string title;
  std::string text;
  winsys::UINT type = 0;
  bool critical() const { return (type & winsys::MB_ICONMASK) == winsys::MB_ICONERROR; }
  bool information() const { return (type & winsys::MB_ICONMASK) == winsys::MB_ICONINFORMATION; }
};

// What the person does with the next file dialog.
struct FileAnswer {
  std::optional<std::string> path;  // nothing: Cancel
};

class ProgramHarness {
 public:
  static constexpr double kWatchdogSeconds = 3600;

  explicit ProgramHarness(aolsim::Layout layout,
                          const vornik32::WaitBounds& bounds = ShortWaitBounds())
      : desktop(clock),
        client_ws(desktop.CreateProcess("client")),
        program_ws(desktop.CreateProcess("program")),
        client(client_ws, layout),
        program(program_ws, registry, bounds) {
    desktop.SetWatchdog(kWatchdogSeconds);
    desktop.AddIdleHook([this] { AnswerDialog(); });
  }

  // The client signed on, the program started (its reminder box answered).
  void StartSignedOn(std::string_view screen_name = "Ada Reed") {
    client.Start();
    client.SignOn(screen_name);
    program.Start();
    boxes.clear();
  }

  // --- The person at the screen
  // -------------------------------------------------------------------
  ui::Element& Element(std::string_view form, std::string_view control) {
    ui::Element* element = registry.Find(form, control);
    if (element == nullptr) throw std::runtime_error("no such control");
    return *element;
  }
  winsys::HWND Window(std::string_view form, std::string_view control) {
    return Element(form, control).hwnd();
  }
  winsys::sim::InputResult Click(std::string_view form, std::string_view control) {
    return desktop.UserClick(Window(form, control));
  }
  winsys::sim::InputResult Select(std::string_view form, std::string_view control, int index) {
    return desktop.UserSelect(Window(form, control), index);
  }
  winsys::sim::InputResult DoubleClickItem(std::string_view form, std::string_view control,
                                           int index) {
    return desktop.UserDoubleClickItem(Window(form, control), index);
  }
  // Text typed into an edit, or into a combo box's edit.
  winsys::sim::InputResult Type(std::string_view form, std::string_view control,
                                std::string_view text) {
    winsys::HWND target = Window(form, control);
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&Element(form, control))) {
      target = combo->edit_hwnd();
    }
    return desktop.UserType(target, text);
  }
  winsys::sim::InputResult Enter(std::string_view form, std::string_view control) {
    winsys::HWND target = Window(form, control);
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&Element(form, control))) {
      target = combo->edit_hwnd();
    }
    return desktop.UserKey(target, winsys::VK_RETURN);
  }
  winsys::sim::InputResult Close(std::string_view form) {
    return desktop.UserClose(Window(form, form));
  }
  void RunFor(double seconds) { winsys::WaitAtLeastSeconds(program_ws, seconds); }

  std::string Caption(std::string_view form, std::string_view control) {
    return Element(form, control).caption();
  }
  bool Enabled(std::string_view form) {
    ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_loaded() && program_ws.IsWindowEnabled(found->hwnd());
  }
  bool Visible(std::string_view form) {
    ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_visible();
  }
  bool Loaded(std::string_view form) {
    ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_loaded();
  }

  // The texts of the boxes shown since the last call, and the record emptied.
  std::vector<std::string> TakeBoxTexts() {
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes) texts.push_back(box.text);
    boxes.clear();
    return texts;
  }

  // Called on every idle moment, before time moves on; hooks run inside the loop they are
  // called from, so an action here may run a whole step.
  std::function<void()> on_idle;

  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop;
  winsys::WindowSystem& client_ws;
  winsys::WindowSystem& program_ws;
  aolsim::Client client;
  ui::Registry registry;
  app::Program program;

  std::vector<ShownBox> boxes;
  std::deque<FileAnswer> file_answers;

 private:
  void AnswerDialog() {
    if (on_idle) on_idle();
    const auto top = desktop.TopModal();
    if (!top || top->process != desktop.ProcessIdOf(program_ws)) return;
    if (!answered_.insert(top->window).second) return;
    switch (top->kind) {
      case winsys::sim::ModalKind::kMessageBox: {
        boxes.push_back({top->title, top->text, top->type});
        desktop.UserClick(
            program_ws.FindWindowEx(top->window, winsys::kNoWindow, "Button", nullptr));
        break;
      }
      case winsys::sim::ModalKind::kFileDialog: {
        FileAnswer answer;
        if (!file_answers.empty()) {
          answer = file_answers.front();
          file_answers.pop_front();
        }
        if (answer.path) {
          desktop.UserType(program_ws.GetDlgItem(top->window, winsys::sim::kDialogEditId),
                           *answer.path);
          desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDOK));
        } else {
          desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDCANCEL));
        }
        break;
      }
      case winsys::sim::ModalKind::kInputBox:
        desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDCANCEL));
        break;
      case winsys::sim::ModalKind::kPopupMenu:
        break;  // the program's own menus are the tests' to drive
    }
  }

  std::set<winsys::HWND> answered_;
};

inline std::string LayoutName(const ::testing::TestParamInfo<aolsim::Layout>& info) {
  return info.param == aolsim::Layout::kVersion5 ? "Version5" : "Version4";
}

}  // namespace tollmere_testing
