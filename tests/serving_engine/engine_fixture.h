#pragma once
// The whole system on one simulated desktop for the server window's tests: the clock (first),
// the desktop, the stand-in client in a process of its own and the program in another, short
// wait bounds and a watchdog, so that a test that would wait forever fails instead of hanging.
//
// The test plays the person at the screen and the members of the room: clicks and double-clicks
// go through the desktop to the registry's control windows, members speak in the stand-in's
// room, and the program's dialogs are answered from an idle hook once they are on the screen,
// each with the next queued answer (a message box without one gets its first button, an input
// box without one is cancelled, a popup menu without one is closed). Every dialog is recorded.
//
// Header-only: compiled into the test program of this folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/automation.h"
#include "aolsim/client.h"
#include "app/program.h"
#include "list_designer/list_designer_form.h"
#include "serving_engine/server_form.h"
#include "serving_loop/menu_form.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace serving_engine::testing {

inline constexpr const char* kUserName = "Ada Reed";
inline constexpr const char* kHandle = "ada reed";
inline constexpr const char* kRoom = "Lobby 12";

inline vornik32::WaitBounds ShortBounds() {
  vornik32::WaitBounds bounds;
  bounds.popup_menu = 5;
  bounds.window_appears = 5;
  bounds.mail_opens = 5;
  bounds.mailbox_fills = 60;
  bounds.window_closes = 5;
  bounds.instant_message_answer = 5;
  return bounds;
}

// The answer the person gives the next dialog.
struct Answer {
  enum class Kind { kButton, kInput, kMenu, kCancelMenu };
  Kind kind = Kind::kButton;
  int button = winsys::IDOK;  // kButton, and the button that confirms kInput
  std::string text;           // kInput
  winsys::UINT command = 0;   // kMenu

  static Answer Button(int id) { return {Kind::kButton, id, {}, 0}; }
  static Answer Input(std::string typed) {
    return {Kind::kInput, winsys::IDOK, std::move(typed), 0};
  }
  static Answer CancelInput() { return {Kind::kInput, winsys::IDCANCEL, {}, 0}; }
  static Answer Menu(const ui::MenuEntry& entry) {
    return {Kind::kMenu, 0, {}, entry.command_id()};
  }
};

class Engine {
 public:
  static constexpr double kWatchdogSeconds = 4 * 3600;

  explicit Engine(aolsim::Layout layout = aolsim::Layout::kVersion5,
                  const vornik32::WaitBounds& bounds = ShortBounds())
      : desktop(clock),
        client_ws(desktop.CreateProcess("client")),
        program_ws(desktop.CreateProcess("program")),
        client(client_ws, layout),
        program(program_ws, registry, bounds) {
    desktop.SetWatchdog(kWatchdogSeconds);
    desktop.AddIdleHook([this] { AnswerDialog(); });
    client.Start();
  }

  // --- The scene ------------------------------------------------------------------------------
  // Signed on as Ada Reed, in a room with two members, the program started (reminder answered).
  void SignedOnInRoom() {
    client.SignOn(kUserName);
    client.OpenRoom(kRoom, {"Joe", "Mia"});
    program.Start();
  }
  // count titles in the mail list and one serving list per 300 of them, as the List Designer
  // leaves them (item k at mailbox position k + the number of lists).
  void FillMailData(int count) {
    list_designer::ListDesignerForm& designer = program.listdesignerFrm();
    const int lists = count / 300 + 1;
    for (int k = 0; k < count; ++k) designer.MailList.add("Title " + std::to_string(k));
    for (int k = 1; k <= lists; ++k) {
      designer.ServingLists.add(std::to_string(k) + "-" + std::to_string(lists - k));
    }
    program.variables().ItemOffset = lists;
  }
  // Start clicked with every check passing: the mailbox filled, serving on.
  void StartServing() {
    boxes.clear();
    Click(server().Command1);
    RunFor(0.1);
  }
  // Keeps the serving loop's tick from acting on what these tests look at (the marks, the
  // queues), as if it were busy elsewhere.
  void HoldServingTicks() { server().RequestTimer.Disable(); }

  // --- The person at the screen -----------------------------------------------------------------
  ServerForm& server() { return program.serverFrm(); }
  serving_loop::MenuForm& menu() { return program.menuFrm(); }

  winsys::sim::InputResult Click(const ui::Element& control) {
    return desktop.UserClick(control.hwnd());
  }
  winsys::sim::InputResult DoubleClickItem(const RequestQueue& queue, int index) {
    return desktop.UserDoubleClickItem(queue.list().hwnd(), index);
  }
  // Opens the options menu with the Options button and chooses the entry, answering the dialog
  // the entry opens with the answers given.
  void ChooseMenu(const ui::MenuEntry& entry, std::vector<Answer> then = {}) {
    answers.push_back(Answer::Menu(entry));
    for (Answer& answer : then) answers.push_back(std::move(answer));
    Click(server().Command5);
  }
  void Say(std::string_view sender, std::string_view message) { client.Say(sender, message); }
  void RunFor(double seconds) { winsys::WaitAtLeastSeconds(program_ws, seconds); }

  // --- What happened ----------------------------------------------------------------------------
  // The lines the program posted in the room.
  std::vector<std::string> ProgramLines() const {
    std::vector<std::string> texts;
    for (const aolsim::ChatLine& line : client.UserLines()) texts.push_back(line.text);
    return texts;
  }
  std::vector<std::string> Entries(const RequestQueue& queue) const { return queue.list().items(); }
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> TakeBoxTexts() {
    std::vector<std::string> texts;
    for (const winsys::sim::ModalInfo& box : boxes) texts.push_back(box.text);
    boxes.clear();
    return texts;
  }

  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop;
  winsys::WindowSystem& client_ws;
  winsys::WindowSystem& program_ws;
  aolsim::Client client;
  ui::Registry registry;
  app::Program program;

  std::deque<Answer> answers;
  std::vector<winsys::sim::ModalInfo> boxes;   // message boxes shown
  std::vector<winsys::sim::ModalInfo> inputs;  // input boxes shown
  std::vector<winsys::Rect> popups;            // where the popup menus showed

 private:
  void AnswerDialog() {
    const auto top = desktop.TopModal();
    if (!top || top->process != desktop.ProcessIdOf(program_ws)) return;
    if (!answered_.insert(top->window).second) return;
    Answer answer;
    const bool queued = !answers.empty();
    if (queued) {
      answer = answers.front();
      answers.pop_front();
    }
    switch (top->kind) {
      case winsys::sim::ModalKind::kMessageBox:
        boxes.push_back(*top);
        if (!queued || answer.kind != Answer::Kind::kButton) {
          desktop.UserClick(program_ws.FindWindowEx(top->window, 0, "Button", nullptr));
        } else {
          desktop.UserClick(program_ws.GetDlgItem(top->window, answer.button));
        }
        break;
      case winsys::sim::ModalKind::kInputBox:
        inputs.push_back(*top);
        if (queued && answer.kind == Answer::Kind::kInput) {
          if (answer.button == winsys::IDOK) {
            desktop.UserType(program_ws.GetDlgItem(top->window, winsys::sim::kDialogEditId),
                             answer.text);
          }
          desktop.UserClick(program_ws.GetDlgItem(top->window, answer.button));
        } else {
          desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDCANCEL));
        }
        break;
      case winsys::sim::ModalKind::kPopupMenu: {
        winsys::Rect rect{};
        program_ws.GetWindowRect(top->window, rect);
        popups.push_back(rect);
        if (queued && answer.kind == Answer::Kind::kMenu) {
          desktop.UserChooseMenuCommand(top->window, answer.command);
        } else {
          desktop.UserKey(top->window, winsys::VK_ESCAPE);
        }
        break;
      }
      case winsys::sim::ModalKind::kFileDialog:
        desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDCANCEL));
        break;
    }
  }

  std::set<winsys::HWND> answered_;
};

}  // namespace serving_engine::testing
