#pragma once
// The whole system on one simulated desktop, as the scenario runner plays on it (a World on the
// virtual clock), with short wait bounds and a watchdog, so that a test that would wait forever
// fails instead of hanging; the client is started, not yet signed on.
//
// The harness plays the person at the screen: clicks go through the desktop to the registry's
// control windows, and the program's dialogs are answered from an idle hook once they are on the
// screen, each with the next queued answer. Without one, a message box gets its first button, an
// input box or file dialog is cancelled and a popup menu is closed with Escape. Every dialog is
// recorded by its kind.
//
// Header-only: each test folder that includes it compiles it into its own program.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "aolsim/client.h"
#include "app/program.h"
#include "scenario/world.h"
#include "serving_engine/server_form.h"
#include "shared/ui/form.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/modal_answerer.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "support/short_wait_bounds.h"
#include "support/time_passes.h"

namespace tollmere_testing {

// The person's answer to the next dialog.
struct Answer {
  enum class Kind { kButton, kText, kCancel, kMenu };
  Kind kind = Kind::kCancel;
  int button = winsys::IDOK;  // kButton
  std::string text;           // kText: typed into an input box, or a file dialog's path
  winsys::UINT command = 0;   // kMenu

  static Answer Button(int id) { return {Kind::kButton, id, {}, 0}; }
  static Answer Yes() { return Button(winsys::IDYES); }
  static Answer No() { return Button(winsys::IDNO); }
  static Answer Text(std::string typed) { return {Kind::kText, winsys::IDOK, std::move(typed), 0}; }
  static Answer Cancel() { return {Kind::kCancel, winsys::IDCANCEL, {}, 0}; }
  static Answer Menu(const ui::MenuEntry& entry) {
    return {Kind::kMenu, 0, {}, entry.command_id()};
  }
};

inline bool IsCritical(const winsys::sim::ModalInfo& box) {
  return (box.type & winsys::MB_ICONMASK) == winsys::MB_ICONERROR;
}

class SystemHarness {
 public:
  static constexpr double kWatchdogSeconds = 6 * 3600;

  explicit SystemHarness(aolsim::Layout layout = aolsim::Layout::kVersion5,
                         const vornik32::WaitBounds& bounds = ShortWaitBounds(),
                         const winsys::LocalTime& start = {2000, 6, 15, 12, 0, 0, 0})
      : world_(scenario::TimeKind::kVirtual, start, bounds),
        clock(world_.clock()),
        desktop(world_.desktop()),
        client_ws(world_.client_process()),
        program_ws(world_.program_process()),
        client((world_.ChooseLayout(layout), world_.client())),
        registry(world_.registry()),
        program(world_.program()),
        answerer_(
            desktop, [this](const winsys::sim::ModalInfo& modal) { AnswerDialog(modal); },
            desktop.ProcessIdOf(program_ws), winsys::sim::ModalAnswerer::Looks::kWhenAsked) {
    desktop.SetWatchdog(kWatchdogSeconds);
    desktop.AddIdleHook([this] { OnIdle(); });
  }

  // --- The person at the screen -----------------------------------------------------------------
  winsys::sim::InputResult Click(const ui::Element& control) {
    return desktop.UserClick(control.hwnd());
  }
  winsys::sim::InputResult Click(std::string_view form, std::string_view control) {
    const ui::Element* element = registry.Find(form, control);
    return desktop.UserClick(element != nullptr ? element->hwnd() : winsys::kNoWindow);
  }
  // The options menu popped up with the Options button, the entry chosen, and the dialogs it
  // opens answered in turn.
  void ChooseMenu(const ui::MenuEntry& entry, std::vector<Answer> then = {}) {
    answers.push_back(Answer::Menu(entry));
    for (Answer& answer : then) answers.push_back(std::move(answer));
    Click(server().Command5);
  }
  // A serving tick runs whole inside the message loop that dispatched it, waits and all, so an
  // action in the middle of a tick (Stop pressed while a mail is sent) is taken at an idle moment
  // of the tick's own waits, as a person's click would come: once, when the condition first holds.
  void WhenIdle(std::function<bool()> condition, std::function<void()> action) {
    idle_actions_.push_back({std::move(condition), std::move(action)});
  }
  void RunFor(double seconds) { tollmere_testing::RunFor(program_ws, seconds); }
  // Runs until ready() holds, for at most the time given; answers whether it held.
  bool RunUntil(const std::function<bool()>& ready, double seconds) {
    return tollmere_testing::RunUntil(program_ws, ready, seconds);
  }

  // --- What is on the screen and what happened ------------------------------------------------
  serving_engine::ServerForm& server() { return program.serverFrm(); }
  bool Loaded(std::string_view form) {
    const ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_loaded();
  }
  std::vector<std::string> Entries(const serving_engine::RequestQueue& queue) const {
    return queue.list().items();
  }
  // What the program posted in the room, oldest first.
  std::vector<std::string> ProgramLines() const {
    std::vector<std::string> lines;
    for (const aolsim::ChatLine& line : client.UserLines()) lines.push_back(line.text);
    return lines;
  }
  // The texts of the message boxes shown.
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const winsys::sim::ModalInfo& box : boxes) texts.push_back(box.text);
    return texts;
  }
  // The same, and the record emptied.
  std::vector<std::string> TakeBoxTexts() {
    std::vector<std::string> texts = BoxTexts();
    boxes.clear();
    return texts;
  }

 private:
  scenario::World world_;

 public:
  winsys::Clock& clock;
  winsys::sim::SimDesktop& desktop;
  winsys::WindowSystem& client_ws;
  winsys::WindowSystem& program_ws;
  aolsim::Client& client;
  ui::Registry& registry;
  app::Program& program;

  std::deque<Answer> answers;
  std::vector<winsys::sim::ModalInfo> boxes;   // message boxes shown
  std::vector<winsys::sim::ModalInfo> inputs;  // input boxes shown
  std::vector<winsys::sim::ModalInfo> files;   // file dialogs shown
  std::vector<winsys::Rect> popups;            // where the popup menus showed
  // Called on every idle moment, before the dialogs are answered; hooks run inside the loop they
  // are called from, so an action here may run a whole step.
  std::function<void()> on_idle;

 private:
  struct IdleAction {
    std::function<bool()> condition;
    std::function<void()> action;
  };

  void OnIdle() {
    if (on_idle) on_idle();
    RunIdleAction();
    answerer_.AnswerNewest();
  }

  void RunIdleAction() {
    for (std::size_t i = 0; i < idle_actions_.size(); ++i) {
      if (!idle_actions_[i].condition()) continue;
      const std::function<void()> action = std::move(idle_actions_[i].action);
      idle_actions_.erase(idle_actions_.begin() + static_cast<long>(i));
      action();
      return;
    }
  }

  void AnswerDialog(const winsys::sim::ModalInfo& modal) {
    Answer answer;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    switch (modal.kind) {
      case winsys::sim::ModalKind::kMessageBox:
        boxes.push_back(modal);
        AnswerMessageBox(modal.window, answer);
        break;
      case winsys::sim::ModalKind::kInputBox:
        inputs.push_back(modal);
        AnswerWithText(modal.window, answer);
        break;
      case winsys::sim::ModalKind::kFileDialog:
        files.push_back(modal);
        AnswerWithText(modal.window, answer);
        break;
      case winsys::sim::ModalKind::kPopupMenu:
        AnswerPopupMenu(modal.window, answer);
        break;
    }
  }

  void AnswerMessageBox(winsys::HWND box, const Answer& answer) {
    const winsys::HWND button =
        answer.kind == Answer::Kind::kButton
            ? program_ws.GetDlgItem(box, answer.button)
            : program_ws.FindWindowEx(box, winsys::kNoWindow, "Button", nullptr);
    desktop.UserClick(button);
  }

  void AnswerWithText(winsys::HWND dialog, const Answer& answer) {
    if (answer.kind != Answer::Kind::kText) {
      desktop.UserClick(program_ws.GetDlgItem(dialog, winsys::IDCANCEL));
      return;
    }
    desktop.UserType(program_ws.GetDlgItem(dialog, winsys::sim::kDialogEditId), answer.text);
    desktop.UserClick(program_ws.GetDlgItem(dialog, winsys::IDOK));
  }

  void AnswerPopupMenu(winsys::HWND menu, const Answer& answer) {
    winsys::Rect rect{};
    program_ws.GetWindowRect(menu, rect);
    popups.push_back(rect);
    if (answer.kind == Answer::Kind::kMenu) {
      desktop.UserChooseMenuCommand(menu, answer.command);
    } else {
      desktop.UserKey(menu, winsys::VK_ESCAPE);
    }
  }

  std::vector<IdleAction> idle_actions_;
  winsys::sim::ModalAnswerer answerer_;
};

}  // namespace tollmere_testing
