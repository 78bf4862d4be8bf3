#include "scenario/runner.h"

#include <filesystem>
#include <limits>

#include "aol_automation/text_files.h"
#include "aolsim/settings.h"
#include "scenario/encoding.h"
#include "scenario/name_check.h"
#include "serving_loop/pending_requests_keeper.h"
#include "shared/ui/element.h"
#include "shared/ui/form.h"
#include "shared/ui/menu_entry.h"
#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace scenario {
namespace {

using winsys::sim::InputResult;
using winsys::sim::ModalInfo;
using winsys::sim::ModalKind;

// Thrown from the idle hook when the script is over, to leave whatever loop the program is in.
struct ScriptFinished {};
// Thrown from the idle hook when the program is killed: whatever it was in the middle of ends.
struct ProgramCrashed {};

constexpr double kForever = std::numeric_limits<double>::infinity();

winsys::LocalTime StartTime(const Script& script) {
  winsys::LocalTime start{2000, 6, 15, 12, 0, 0, 0};
  for (const Command& command : script.commands) {
    if (command.verb != Verb::kClock) continue;
    const std::string& text = command.text(0);
    start.year = std::stoi(text.substr(0, 4));
    start.month = std::stoi(text.substr(5, 2));
    start.day = std::stoi(text.substr(8, 2));
    start.hour = std::stoi(text.substr(11, 2));
    start.minute = std::stoi(text.substr(14, 2));
    start.second = std::stoi(text.substr(17, 2));
  }
  return start;
}

const char* AnswerName(int answer) {
  switch (answer) {
    case winsys::IDOK:
      return "OK";
    case winsys::IDCANCEL:
      return "Cancel";
    case winsys::IDYES:
      return "Yes";
    case winsys::IDNO:
      return "No";
    default:
      return "closed";
  }
}

int ButtonFor(Verb verb) {
  switch (verb) {
    case Verb::kAnswerYes:
      return winsys::IDYES;
    case Verb::kAnswerNo:
      return winsys::IDNO;
    case Verb::kAnswerCancel:
      return winsys::IDCANCEL;
    default:
      return winsys::IDOK;
  }
}

}  // namespace

Runner::Runner(Script script, RunOptions options, std::ostream& out)
    : script_(std::move(script)), options_(std::move(options)), out_(out) {}

Runner::~Runner() {
  if (world_) world_->desktop().RemoveObserver(this);
}

double Runner::ScriptedSeconds(const Script& script) {
  double total = 0;
  for (const Command& command : script.commands) {
    if (command.verb == Verb::kWait) total += command.number(0);
  }
  return total;
}

int Runner::Run() {
  world_ = std::make_unique<World>(options_.time, StartTime(script_));
  log_ = std::make_unique<EventLog>(out_, world_->clock(), options_.style);
  if (!options_.play.empty()) log_->WritePlain("play: " + options_.play);
  world_->desktop().AddObserver(this);
  world_->SetClientEvents([this](const aolsim::ClientEvent& event) { LogClientEvent(event); });
  // A program that keeps the loop from ever reaching the script's next command would otherwise
  // run on for good; a day beyond what the script waits is far more than any run needs.
  world_->desktop().SetWatchdog(ScriptedSeconds(script_) + 86400.0);
  answerer_ = std::make_unique<winsys::sim::ModalAnswerer>(
      world_->desktop(), [this](const ModalInfo& modal) { AnswerModal(modal); }, 0,
      winsys::sim::ModalAnswerer::Looks::kWhenAsked);
  const int hook = world_->desktop().AddIdleHook([this] { Step(); });
  const double began = world_->clock().Now();
  const int reading = options_.on_idle ? world_->desktop().AddIdleHook([this, began] {
    options_.on_idle(world_->clock().Now() - began);
  })
                                       : 0;

  try {
    for (bool crashed = true; crashed;) {
      crashed = false;
      try {
        Step();
        while (!finished_) {
          world_->program_process().DoEvents();
          world_->program_process().WaitForWork(kForever);
        }
      } catch (const ProgramCrashed&) {
        crashed = true;
      }
    }
  } catch (const ScriptFinished&) {
  } catch (const winsys::sim::WatchdogExpired& expired) {
    ++failed_;
    log_->Write(EventKind::kCheck, std::string("FAIL watchdog: ") + expired.what() +
                                       " (the program never let the script go on)");
  }
  world_->desktop().RemoveIdleHook(hook);
  if (options_.on_idle) world_->desktop().RemoveIdleHook(reading);
  Count();
  traffic_.reset();
  const std::string counts =
      std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed";
  log_->WritePlain(options_.play.empty() ? counts : options_.play + ": " + counts);
  world_->desktop().RemoveObserver(this);
  answerer_.reset();
  world_.reset();
  return failed_ == 0 ? 0 : 1;
}

void Runner::Step() {
  if (finished_) return;
  WatchQueues();
  if (answerer_->AnswerNewest()) return;
  while (!waiting_ && next_ < script_.commands.size()) {
    const Command& command = script_.commands[next_++];
    if (Execute(command)) {
      // What the command did may not have been a message (the client's scene changed
      // directly); either way the loop must look again before time moves on.
      world_->desktop().NoteActivity();
      return;
    }
  }
  if (!waiting_ && next_ >= script_.commands.size()) Finish();
}

void Runner::Finish() {
  finished_ = true;
  for (const ModalInfo& modal : world_->desktop().OpenModals()) {
    if (modal.kind == ModalKind::kPopupMenu) continue;
    ++failed_;
    log_->Write(EventKind::kCheck, "FAIL end: the program is still waiting for the dialog " +
                                       Quoted(modal.title) + " " + Quoted(modal.text) +
                                       " (no answer closed it)");
  }
  throw ScriptFinished{};
}

bool Runner::Execute(const Command& command) {
  if (command.IsExpectation()) {
    Check(command);
    return false;
  }
  switch (command.verb) {
    case Verb::kClock:
      return false;  // read before the run started
    case Verb::kWait: {
      waiting_ = true;
      winsys::sim::SimDesktop& desktop = world_->desktop();
      desktop.ScheduleAt(world_->clock().Now() + command.number(0), [this] { waiting_ = false; });
      return true;
    }
    case Verb::kAnswerOk:
    case Verb::kAnswerYes:
    case Verb::kAnswerNo:
    case Verb::kAnswerCancel:
    case Verb::kAnswerInput:
    case Verb::kAnswerFile:
      answers_.push_back(Answer{
          command.verb, command.args.empty() ? std::string() : command.text(0), command.line});
      return false;
    case Verb::kSay:
      world_->client().Say(command.text(0), command.text(1));
      return true;
    case Verb::kRoomTraffic: {
      aolsim::Client& client = world_->client();
      traffic_.reset();
      traffic_ = std::make_unique<RoomTraffic>(
          world_->desktop(),
          TrafficRoom{[&client] { return client.RoomMembers(); },
                      [&client] { return client.RoomMemberChanges(); },
                      [&client] { return client.screen_name(); },
                      [&client] { return static_cast<int>(client.mail().flash().size()); },
                      [&client](int i) {
                        return client.mail().flash()[static_cast<std::size_t>(i)].subject;
                      },
                      [&client](const std::string& sender, const std::string& text) {
                        client.Say(sender, text);
                      }},
          static_cast<std::uint32_t>(command.number(0)), command.number(1));
      return true;
    }
    case Verb::kRoomTrafficOff:
      traffic_.reset();
      return true;
    case Verb::kStart:
      // The client is on the desktop before the program looks for it.
      if (!world_->has_capture()) world_->client();
      started_ = true;
      running_ = true;
      log_->Write(EventKind::kAction, "start");
      world_->program().Start();
      return true;
    case Verb::kProgramKeepsPending:
      pending_file_ = ResolvePath(serving_loop::kPendingRequestsFileName);
      world_->KeepPendingRequestsIn(pending_file_);
      return false;
    case Verb::kProgramCrash:
      log_->Write(EventKind::kAction, "program crash: the program ends at once");
      crashed_program_ = ProgramFacts();
      running_ = false;
      world_->CrashProgram();
      throw ProgramCrashed{};
    case Verb::kProgramRestart:
      log_->Write(EventKind::kAction, "program restart");
      world_->RestartProgram();
      watched_.fill(winsys::kNoWindow);
      running_ = true;
      // What the new program loads of the pending requests was admitted before the crash.
      restoring_ = true;
      world_->program().Start();
      restoring_ = false;
      return true;
    default:
      break;
  }
  if (command.verb >= Verb::kClientVersion && command.verb <= Verb::kClientPopup) {
    return ExecuteClient(command);
  }
  return ExecuteAction(command);
}

bool Runner::ExecuteClient(const Command& command) {
  if (command.verb == Verb::kClientVersion) {
    world_->ChooseLayout(command.integer(0) == 4 ? aolsim::Layout::kVersion4
                                                 : aolsim::Layout::kVersion5);
    return false;
  }
  if (command.verb == Verb::kClientCapture) {
    std::string why;
    if (!world_->ShowCaptureFile(ResolvePath(command.text(0)), why)) {
      ++failed_;
      log_->Write(EventKind::kCheck, "FAIL line " + std::to_string(command.line) + ": " +
                                         command.source + " (" + why + ")");
    }
    return true;
  }
  aolsim::Client& client = world_->client();
  switch (command.verb) {
    case Verb::kClientSignOn:
      client.SignOn(command.text(0));
      break;
    case Verb::kClientSignOff:
      client.SignOff();
      break;
    case Verb::kClientRoom: {
      std::vector<std::string> members;
      for (std::size_t i = 1; i < command.args.size(); ++i) members.push_back(command.text(i));
      client.OpenRoom(command.text(0), members);
      break;
    }
    case Verb::kClientCloseRoom:
      client.CloseRoom();
      break;
    case Verb::kClientJoin:
      client.Join(command.text(0));
      break;
    case Verb::kClientLeave:
      client.Leave(command.text(0));
      break;
    case Verb::kClientFlash: {
      std::vector<std::string> subjects;
      for (const Argument& arg : command.args) subjects.push_back(arg.text);
      client.AddFlashMails(subjects);
      break;
    }
    case Verb::kClientFlashGenerate:
      client.GenerateFlashMails(command.integer(0), command.text(1));
      break;
    case Verb::kClientNewMail:
      client.NewMail(command.text(0), command.text(1));
      break;
    case Verb::kClientDelay:
      client.SetDelay(*aolsim::ParseDelay(command.text(0)), command.number(1));
      break;
    case Verb::kClientFault:
      client.SetFault(*aolsim::ParseFault(command.text(0)));
      break;
    case Verb::kClientPopup:
      client.Popup(*aolsim::ParsePopupKind(command.text(0)));
      break;
    case Verb::kClientMailboxStall:
      client.SetMailboxStall(command.number(0));
      break;
    case Verb::kClientUserOpen:
      client.UserOpen(command.integer(0));
      break;
    case Verb::kClientUserOpenRange:
      // Only the mails there are can be opened, however large the count.
      for (int position = command.integer(0), left = command.integer(1);
           left > 0 && position < client.MailboxCount(); --left, ++position) {
        client.UserOpen(position);
      }
      break;
    case Verb::kClientUserCompose:
      client.UserCompose();
      break;
    case Verb::kClientCloseMailbox:
      client.CloseMailbox();
      break;
    case Verb::kClientChaos:
      client.StartChaos(static_cast<std::uint32_t>(command.number(0)), [this](double seconds) {
        world_->desktop().Hang(world_->client_process(), seconds);
        log_->Write(EventKind::kNote, "the client stops answering for a while (chaos)");
      });
      break;
    case Verb::kClientChaosOff:
      client.StopChaos();
      break;
    case Verb::kClientHang:
      world_->desktop().Hang(world_->client_process(), command.number(0));
      log_->Write(EventKind::kNote, "the client stops answering (" + command.source + ")");
      break;
    default:
      break;
  }
  return true;
}

ui::Element* Runner::Resolve(const std::string& form, const std::string& control,
                             std::string& why) {
  ui::Registry& registry = world_->registry();
  if (registry.FindForm(form) == nullptr) {
    why = "the program has no window " + Printable(form);
    return nullptr;
  }
  ui::Element* element = registry.Find(form, control);
  if (element == nullptr) why = Printable(form) + " has no " + Printable(control);
  return element;
}

void Runner::LogIgnored(const Command& command, const std::string& why) {
  log_->Write(EventKind::kAction,
              "ignored " + command.Where() + ": " + command.source + " (" + why + ")");
}

bool Runner::ExecuteAction(const Command& command) {
  winsys::sim::SimDesktop& desktop = world_->desktop();
  if (command.verb == Verb::kMenu) {
    ui::MenuEntry* entry = world_->registry().FindMenuEntry(command.text(0));
    if (entry == nullptr) {
      LogIgnored(command, "the program has no menu entry " + Printable(command.text(0)));
      return false;
    }
    std::string why;
    ui::Element* options = Resolve("serverFrm", "Command5", why);
    if (options == nullptr) {
      LogIgnored(command, why);
      return false;
    }
    log_->Write(EventKind::kAction, command.source);
    pending_menu_ = entry;
    const InputResult result = desktop.UserClick(options->hwnd());
    if (result != InputResult::kDelivered) {
      pending_menu_ = nullptr;
      LogIgnored(command, std::string("the Options button: ") + winsys::sim::ToString(result));
    }
    return true;
  }

  const std::string& form = command.text(0);
  const std::string& control = command.verb == Verb::kClose ? form : command.text(1);
  std::string why;
  ui::Element* element = Resolve(form, control, why);
  if (element == nullptr) {
    LogIgnored(command, why);
    return false;
  }
  log_->Write(EventKind::kAction, command.source);
  const winsys::HWND window = element->hwnd();
  InputResult result = InputResult::kNoWindow;
  switch (command.verb) {
    case Verb::kClick:
      result = desktop.UserClick(window);
      break;
    case Verb::kSelect:
      result = desktop.UserSelect(window, command.integer(2));
      break;
    case Verb::kDoubleClick:
      result = desktop.UserDoubleClickItem(window, command.integer(2));
      break;
    case Verb::kType:
      result = desktop.UserType(window, command.text(2));
      break;
    case Verb::kKey:
      result = desktop.UserKey(window, winsys::VK_RETURN);
      break;
    case Verb::kClose:
      result = desktop.UserClose(window);
      break;
    default:
      break;
  }
  if (result != InputResult::kDelivered) {
    LogIgnored(command, window == winsys::kNoWindow ? std::string("the window is not open")
                                                    : winsys::sim::ToString(result));
  }
  return true;
}

void Runner::AnswerModal(const ModalInfo& modal) {
  if (modal.kind == ModalKind::kPopupMenu) {
    AnswerPopupMenu(modal);
  } else {
    AnswerDialog(modal);
  }
}

void Runner::AnswerPopupMenu(const ModalInfo& modal) {
  winsys::sim::SimDesktop& desktop = world_->desktop();
  ui::MenuEntry* entry = pending_menu_;
  pending_menu_ = nullptr;
  if (entry != nullptr &&
      desktop.UserChooseMenuCommand(modal.window, entry->command_id()) == InputResult::kDelivered) {
    log_->Write(EventKind::kAction, "menu entry " + Printable(entry->name()) + " " +
                                        Quoted(entry->caption()) + " chosen");
    return;
  }
  log_->Write(EventKind::kAction, "popup menu closed without a choice");
  world_->program_process().PostMessage(modal.window, winsys::WM_KEYDOWN, winsys::VK_ESCAPE, 0);
}

void Runner::AnswerDialog(const ModalInfo& modal) {
  winsys::sim::SimDesktop& desktop = world_->desktop();
  winsys::WindowSystem& ws = world_->program_process();
  const auto button = [&](int id) { return ws.GetDlgItem(modal.window, id); };
  const auto first_button = [&] { return ws.FindWindowEx(modal.window, 0, "Button", nullptr); };

  std::optional<Answer> answer;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  winsys::HWND target = winsys::kNoWindow;
  std::string how = "(default button: no answer was waiting)";
  if (answer) {
    how = "(answer of line " + std::to_string(answer->line) + ")";
    const bool wants_text = answer->verb == Verb::kAnswerInput || answer->verb == Verb::kAnswerFile;
    if (wants_text) {
      const bool fits =
          (answer->verb == Verb::kAnswerInput && modal.kind == ModalKind::kInputBox) ||
          (answer->verb == Verb::kAnswerFile && modal.kind == ModalKind::kFileDialog);
      const winsys::HWND edit = ws.GetDlgItem(modal.window, winsys::sim::kDialogEditId);
      if (fits && edit != winsys::kNoWindow) {
        const std::string text =
            answer->verb == Verb::kAnswerFile ? ResolvePath(answer->text) : answer->text;
        if (answer->verb == Verb::kAnswerFile && modal.file_kind == winsys::FileDialogKind::kSave) {
          saved_files_.push_back(text);
        }
        desktop.UserType(edit, text);
        target = button(winsys::IDOK);
      }
    } else {
      target = button(ButtonFor(answer->verb));
    }
    if (target == winsys::kNoWindow) how += " does not fit this dialog; default button";
  }
  if (target == winsys::kNoWindow) target = first_button();
  if (target == winsys::kNoWindow || desktop.UserClick(target) != InputResult::kDelivered) {
    log_->Write(EventKind::kDialog, "dialog " + Quoted(modal.title) + " could not be answered");
    return;
  }
  log_->Write(EventKind::kAction, "answered " + Quoted(modal.title) + " " + how);
}

std::string Runner::ResolvePath(const std::string& path) const {
  const std::filesystem::path given(path);
  if (given.is_absolute()) return path;
  return (std::filesystem::path(options_.base_directory) / given).string();
}

void Runner::OnModalOpened(const ModalInfo& info) {
  switch (info.kind) {
    case ModalKind::kMessageBox:
      message_boxes_.push_back(info.text);
      log_->Write(EventKind::kDialog, "dialog " + Quoted(info.title) + ": " + Quoted(info.text));
      break;
    case ModalKind::kInputBox:
      log_->Write(EventKind::kDialog, "input box " + Quoted(info.title) + ": " + Quoted(info.text) +
                                          " default " + Quoted(info.default_text));
      break;
    case ModalKind::kFileDialog:
      log_->Write(EventKind::kDialog,
                  std::string(info.file_kind == winsys::FileDialogKind::kOpen ? "open" : "save") +
                      " dialog " + Quoted(info.title) + " " + Quoted(info.file_spec.filter_text));
      break;
    case ModalKind::kPopupMenu:
      break;
  }
}

void Runner::OnModalClosed(const ModalInfo& info, int answer) {
  if (info.kind == ModalKind::kPopupMenu) return;
  log_->Write(EventKind::kDialog,
              "dialog " + Quoted(info.title) + " closed: " + AnswerName(answer));
}

void Runner::LogClientEvent(const aolsim::ClientEvent& event) {
  if (const auto* line = std::get_if<aolsim::ChatLine>(&event)) {
    log_->Write(EventKind::kChat, "chat " + Printable(line->sender) + ": " + Printable(line->text));
  } else if (const auto* mail = std::get_if<aolsim::Delivery>(&event)) {
    if (mail->kind == aolsim::DeliveryKind::kForward) {
      log_->Write(EventKind::kMail, "mail forward #" + std::to_string(mail->mailbox_position) +
                                        " " + Quoted(mail->stored_subject) + " to " +
                                        Quoted(mail->recipients_text));
    } else {
      log_->Write(EventKind::kMail,
                  "mail new " + Quoted(mail->subject) + " to " + Quoted(mail->recipients_text));
    }
  } else if (const auto* visit = std::get_if<aolsim::VisitedAddress>(&event)) {
    log_->Write(EventKind::kNote, "client goes to " + Quoted(visit->address));
  } else if (const auto* message = std::get_if<aolsim::InstantMessage>(&event)) {
    log_->Write(
        EventKind::kNote,
        "instant message to " + Quoted(message->recipient) +
            (message->outcome == aolsim::InstantMessageOutcome::kSent ? " sent" : " refused"));
  } else if (const auto* deletion = std::get_if<aolsim::MailDeletion>(&event)) {
    log_->Write(EventKind::kNote, "client deletes mail #" +
                                      std::to_string(deletion->mailbox_position) + " " +
                                      Quoted(deletion->subject));
  } else if (const auto* flash = std::get_if<aolsim::FlashSessionEnd>(&event)) {
    log_->Write(EventKind::kNote,
                "flash session finished: " + std::to_string(flash->mails_filed) + " mail(s) filed");
  }
}

namespace {

// A play of one layout starts in a folder of its own, so that what one play saves is not what the
// other finds; the files the script loads by a relative name are copied in.
std::string FreshFolderFor(const Script& play, const RunOptions& options, int version,
                           std::string& why) {
  namespace fs = std::filesystem;
  const fs::path base(options.base_directory);
  const fs::path folder = base / ("layout-" + std::to_string(version));
  std::error_code failed;
  fs::remove_all(folder, failed);
  if (!fs::create_directories(folder, failed) || failed) {
    why = "cannot make the folder " + folder.generic_string() + " for the play on layout " +
          std::to_string(version);
    return {};
  }
  for (const Command& command : play.commands) {
    if (command.verb != Verb::kAnswerFile) continue;
    const fs::path named(Cp1252ToUtf8(command.text(0)));
    if (named.is_absolute() || !fs::is_regular_file(base / named, failed)) continue;
    fs::create_directories((folder / named).parent_path(), failed);
    fs::copy_file(base / named, folder / named, fs::copy_options::overwrite_existing, failed);
  }
  return folder.string();
}

int PlayEachLayout(const Script& script, const RunOptions& options, std::ostream& out,
                   std::ostream& err) {
  int passed = 0;
  int failed = 0;
  for (int version : script.layouts) {
    Script play = ForLayout(script, version);
    RunOptions of_play = options;
    std::string why;
    of_play.base_directory = FreshFolderFor(play, options, version, why);
    if (of_play.base_directory.empty()) {
      err << "error: " << why << '\n';
      return 2;
    }
    of_play.play = "layout " + std::to_string(version);
    Runner runner(std::move(play), of_play, out);
    runner.Run();
    passed += runner.passed();
    failed += runner.failed();
  }
  out << passed << " passed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}

int RunParsed(Script script, std::optional<ParseError> error, const RunOptions& options,
              std::ostream& out, std::ostream& err) {
  if (!error) error = CheckNames(script);
  if (error) {
    err << "error: line " << error->line << ": " << error->why << '\n';
    return 2;
  }
  // A run that checks nothing must not pass for one that checked everything.
  if (script.commands.empty()) {
    err << "error: the script holds no command\n";
    return 2;
  }
  if (!script.layouts.empty()) return PlayEachLayout(script, options, out, err);
  Runner runner(std::move(script), options, out);
  return runner.Run();
}

}  // namespace

int RunScenarioText(std::string_view text, const RunOptions& options, std::ostream& out,
                    std::ostream& err) {
  std::optional<ParseError> error;
  Script script = ParseScript(text, error);
  return RunParsed(std::move(script), error, options, out, err);
}

int RunScenarioFile(const std::string& path, RunOptions options, std::ostream& out,
                    std::ostream& err) {
  const vornik32::TextFileRead file = vornik32::ReadTextFileOrWhy(path);
  if (!file.read()) {
    err << "error: cannot read " << path << ": " << vornik32::ReadFailureText(file.result) << '\n';
    return 2;
  }
  std::optional<ParseError> error;
  const std::string directory = std::filesystem::path(path).parent_path().string();
  Script script = ParseScript(file.content, error, directory.empty() ? "." : directory);
  return RunParsed(std::move(script), error, options, out, err);
}

}  // namespace scenario
