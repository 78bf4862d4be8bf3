#pragma once
// The whole system on one simulated desktop for the serving loop's tests: the clock (first), the
// desktop, the stand-in client in a process of its own and the program in another, short wait
// bounds and a watchdog, so that a test that would wait forever fails instead of hanging.
//
// The test plays the room and the person at the screen: members speak in the stand-in's room,
// clicks go through the desktop to the registry's control windows, and the program's dialogs are
// answered from an idle hook once they are on the screen, each with the next queued answer (a
// message box without one gets its first button, an input box or file dialog without one is
// cancelled). What the program posted and mailed is read from the stand-in's records.
//
// The mailbox is laid out as the List Designer leaves it: the serving-list mails at the top, the
// titles on offer below them, and the designer's hidden lists filled to match.
//
// Header-only: compiled into the test program of this folder.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "aolsim/client.h"
#include "app/program.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/serving_lists.h"
#include "serving_engine/server_form.h"
#include "serving_loop/menu_form.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace serving_loop::testing {

inline constexpr const char* kUserName = "ServerBot";
inline constexpr const char* kHandle = "serverbot";
inline constexpr char kBulletSpace[] = "\x95 ";

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

// "• " + text.
inline std::string Line(std::string_view text) {
  return kBulletSpace + std::string(text);
}

// The person's answer to the next dialog.
struct Answer {
  enum class Kind { kButton, kText, kCancel, kMenu };
  Kind kind = Kind::kButton;
  int button = winsys::IDOK;
  std::string text;  // typed into an input box, or the path for a file dialog
  winsys::UINT command = 0;

  static Answer Yes() { return {Kind::kButton, winsys::IDYES, {}, 0}; }
  static Answer No() { return {Kind::kButton, winsys::IDNO, {}, 0}; }
  static Answer Text(std::string text) { return {Kind::kText, winsys::IDOK, std::move(text), 0}; }
  static Answer Cancel() { return {Kind::kCancel, winsys::IDCANCEL, {}, 0}; }
  static Answer Menu(const ui::MenuEntry& entry) {
    return {Kind::kMenu, 0, {}, entry.command_id()};
  }
};

class LoopTest : public ::testing::Test {
 protected:
  static constexpr double kWatchdogSeconds = 6 * 3600;

  explicit LoopTest(aolsim::Layout layout = aolsim::Layout::kVersion5)
      : desktop(clock),
        client_ws(desktop.CreateProcess("client")),
        program_ws(desktop.CreateProcess("program")),
        client(client_ws, layout),
        program(program_ws, registry, ShortBounds()) {
    desktop.SetWatchdog(kWatchdogSeconds);
    desktop.AddIdleHook([this] { AnswerDialog(); });
  }

  // Signed on, in a room with the members, the mailbox holding the lists and the titles, the
  // program started (its reminder box answered) and the serving-list data in place.
  void StartProgram(const std::vector<std::string>& titles,
                    const std::vector<std::string>& members = {"ann", "bob", "cid"},
                    int list_count = 1) {
    client.Start();
    client.SignOn(kUserName);
    client.OpenRoom("Lobby", members);
    std::vector<std::string> mailbox;
    for (int list = 1; list <= list_count; ++list)
      mailbox.push_back(list_designer::ListSubject(list));
    mailbox.insert(mailbox.end(), titles.begin(), titles.end());
    client.AddFlashMails(mailbox);
    program.Start();
    list_designer::ListDesignerForm& designer = program.listdesignerFrm();
    for (const std::string& title : titles) designer.MailList.add(title);
    for (int list = 1; list <= list_count; ++list) {
      designer.ServingLists.add(list_designer::ServingListEntry(list, list - 1));
    }
    program.variables().ItemOffset = list_count;
    program.variables().ServingListCount = list_count;
    boxes.clear();
  }

  // Start pressed, and time for the mailbox to open and the advert to be posted.
  void StartServing() {
    ASSERT_EQ(Click("serverFrm", "Command1"), winsys::sim::InputResult::kDelivered);
    RunFor(3);
    ASSERT_EQ(server().Command1.caption(), "Stop");
  }

  // Members speak, then the chat timer's next tick takes what they said.
  void Say(const std::vector<std::pair<std::string, std::string>>& lines) {
    for (const auto& [sender, message] : lines) client.Say(sender, message);
    RunFor(5.1);
  }
  void Ask(std::string_view sender, std::string_view request) {
    Say({{std::string(sender), "/" + std::string(kHandle) + " " + std::string(request)}});
  }

  winsys::sim::InputResult Click(std::string_view form, std::string_view control) {
    const ui::Element* element = registry.Find(form, control);
    return desktop.UserClick(element != nullptr ? element->hwnd() : winsys::kNoWindow);
  }
  // The options menu popped up with the Options button, the entry chosen, and the dialogs it
  // opens answered in turn.
  void ChooseMenu(const ui::MenuEntry& entry, const std::vector<Answer>& then = {}) {
    answers.push_back(Answer::Menu(entry));
    answers.insert(answers.end(), then.begin(), then.end());
    Click("serverFrm", "Command5");
  }
  // A serving tick runs whole inside the message loop that dispatched it, waits and all, so an
  // action in the middle of a tick (Stop pressed while a mail is sent) is taken at an idle moment
  // of the tick's own waits, as a person's click would come: once, when the condition first holds.
  void WhenIdle(std::function<bool()> condition, std::function<void()> action) {
    idle_actions_.push_back({std::move(condition), std::move(action)});
  }
  void RunFor(double seconds) { winsys::WaitAtLeastSeconds(program_ws, seconds); }
  // Runs until ready() holds, for at most the time given; answers whether it held.
  bool RunUntil(const std::function<bool()>& ready, double seconds) {
    const double deadline = clock.Now() + seconds;
    while (!ready()) {
      if (clock.Now() >= deadline) return false;
      RunFor(0.1);
    }
    return true;
  }

  serving_engine::ServerForm& server() { return program.serverFrm(); }
  bool Loaded(std::string_view form) {
    const ui::Form* found = registry.FindForm(form);
    return found != nullptr && found->is_loaded();
  }
  std::vector<std::string> Entries(const serving_engine::RequestQueue& queue) {
    return queue.list().items();
  }

  // What the program posted in the room, oldest first.
  std::vector<std::string> ProgramLines() {
    std::vector<std::string> lines;
    for (const aolsim::ChatLine& line : client.UserLines()) lines.push_back(line.text);
    return lines;
  }
  // The lines posted since the last call.
  std::vector<std::string> NewLines() {
    std::vector<std::string> lines = ProgramLines();
    std::vector<std::string> fresh(lines.begin() + static_cast<long>(lines_seen_), lines.end());
    lines_seen_ = lines.size();
    return fresh;
  }
  // New lines without the adverts and pending counts, which come on their own timers.
  std::vector<std::string> NewAnswers() {
    std::vector<std::string> answers_only;
    for (std::string& line : NewLines()) {
      if (IsAdvertLine(line)) continue;
      answers_only.push_back(std::move(line));
    }
    return answers_only;
  }
  static bool IsAdvertLine(std::string_view line) {
    for (const char* start : {"\x95 tollmere serving ", "\x95 \"/", "\x95 There are "}) {
      if (line.starts_with(start)) return true;
    }
    return false;
  }
  std::vector<aolsim::Delivery> Deliveries(aolsim::DeliveryKind kind) {
    std::vector<aolsim::Delivery> found;
    for (const aolsim::Delivery& delivery : client.Deliveries()) {
      if (delivery.kind == kind) found.push_back(delivery);
    }
    return found;
  }
  std::vector<aolsim::Delivery> Forwards() { return Deliveries(aolsim::DeliveryKind::kForward); }
  std::vector<aolsim::Delivery> NewMails() { return Deliveries(aolsim::DeliveryKind::kNewMail); }

  struct ShownBox {
    winsys::sim::ModalKind kind;
    std::string title;
    std::string text;
    winsys::UINT type = 0;
    winsys::FileDialogSpec file_spec;
    std::string default_text;
  };
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes) {
      if (box.kind == winsys::sim::ModalKind::kMessageBox) texts.push_back(box.text);
    }
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
  std::vector<ShownBox> boxes;

 private:
  struct IdleAction {
    std::function<bool()> condition;
    std::function<void()> action;
  };

  void AnswerDialog() {
    RunIdleActions();
    const auto top = desktop.TopModal();
    if (!top || top->process != desktop.ProcessIdOf(program_ws)) return;
    if (!answered_.insert(top->window).second) return;
    Answer answer = Answer::Cancel();
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    if (top->kind == winsys::sim::ModalKind::kPopupMenu) {
      if (answer.kind == Answer::Kind::kMenu) {
        desktop.UserChooseMenuCommand(top->window, answer.command);
      } else {
        desktop.UserClose(top->window);
      }
      return;
    }
    boxes.push_back(
        {top->kind, top->title, top->text, top->type, top->file_spec, top->default_text});
    if (top->kind == winsys::sim::ModalKind::kMessageBox) {
      const winsys::HWND button =
          answer.kind == Answer::Kind::kButton
              ? program_ws.GetDlgItem(top->window, answer.button)
              : program_ws.FindWindowEx(top->window, winsys::kNoWindow, "Button", nullptr);
      desktop.UserClick(button);
      return;
    }
    if (answer.kind == Answer::Kind::kText) {
      desktop.UserType(program_ws.GetDlgItem(top->window, winsys::sim::kDialogEditId), answer.text);
      desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDOK));
    } else {
      desktop.UserClick(program_ws.GetDlgItem(top->window, winsys::IDCANCEL));
    }
  }

  void RunIdleActions() {
    for (std::size_t i = 0; i < idle_actions_.size(); ++i) {
      if (!idle_actions_[i].condition()) continue;
      const std::function<void()> action = std::move(idle_actions_[i].action);
      idle_actions_.erase(idle_actions_.begin() + static_cast<long>(i));
      action();
      return;
    }
  }

  std::vector<IdleAction> idle_actions_;
  std::set<winsys::HWND> answered_;
  std::size_t lines_seen_ = 0;
};

}  // namespace serving_loop::testing
