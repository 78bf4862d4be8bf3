#pragma once
// Plays a scenario script on the simulated desktop: the script's commands act as the user, the
// room and the client; its expectations check what happened; every event goes to the log.
//
// The runner never owns the call stack. It runs as an idle hook of the desktop: whenever the
// message loop has nothing left to do at the current instant (wherever it is: the top loop, a
// wait inside a serving tick, a modal dialog), the runner takes the script's next commands. After
// each action it returns, so that the program does all it can at that instant before the next
// command is read; `wait` schedules its own end and returns, and virtual time moves on. Dialogs
// are answered the moment they are the program's newest modal window, with the next queued answer
// or, when none waits, their default (first) button.

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "scenario/event_log.h"
#include "scenario/room_traffic.h"
#include "scenario/script.h"
#include "scenario/serving_audit.h"
#include "scenario/world.h"
#include "shared/winsys/sim/modal_answerer.h"
#include "shared/winsys/sim/sim_desktop.h"

namespace ui {
class Element;
class MenuEntry;
}  // namespace ui

namespace scenario {

// What a run served, counted at its end.
struct RunFigures {
  int admitted = 0;      // entries the program added to Requests, Lists and Finds
  int delivered = 0;     // forwards and search-result mails the client delivered
  int retried = 0;       // entries put back into a queue to be tried again
  int given_up = 0;      // "could not be sent" lines
  int still_queued = 0;  // entries on screen or in a saved requests file at the end
  double seconds = 0;    // virtual time the run took
  // The two serving checks as they stand at the end: empty when they hold, else why not.
  std::string false_confirmation;
  std::string lost_request;
  int checks_failed = 0;  // expectations that failed during the run (and the watchdog)
};

struct RunOptions {
  TimeKind time = TimeKind::kVirtual;
  LogStyle style = LogStyle::kFull;
  // Relative paths in the script (answer file, expect file) are taken from here.
  std::string base_directory = ".";
  // Names the play in the log ("layout 4") when a script is played more than once.
  std::string play;
  // Told the virtual seconds since the run began whenever the desktop is idle, for readings
  // along a run (a benchmark's); it must change nothing.
  std::function<void(double)> on_idle;
};

class Runner : public winsys::sim::DesktopObserver {
 public:
  Runner(Script script, RunOptions options, std::ostream& out);
  ~Runner() override;
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Plays the whole script; 0 when every expectation held, 1 otherwise.
  int Run();

  // The seconds of virtual time the script's waits add up to (for the watchdogs).
  static double ScriptedSeconds(const Script& script);

  // What the run served (after Run).
  const RunFigures& figures() const { return figures_; }
  int passed() const { return passed_; }
  int failed() const { return failed_; }

 private:
  struct Answer {
    Verb verb;
    std::string text;
    int line;
  };

  // --- Playing ------------------------------------------------------------------------------
  void Step();
  // Runs one command; answers true when the program must be let run before the next one.
  bool Execute(const Command& command);
  bool ExecuteClient(const Command& command);
  bool ExecuteAction(const Command& command);
  void Finish();
  void AnswerModal(const winsys::sim::ModalInfo& modal);
  void AnswerDialog(const winsys::sim::ModalInfo& modal);
  void AnswerPopupMenu(const winsys::sim::ModalInfo& modal);
  std::string ResolvePath(const std::string& path) const;

  // --- Expectations ---------------------------------------------------------------------------
  void Check(const Command& command);
  // Empty when it held, else why not.
  std::string Evaluate(const Command& command);
  std::string CheckChat(const Command& command);
  std::string CheckMail(const Command& command);
  std::string CheckDialog(const Command& command);
  std::string CheckWindow(const Command& command);
  std::string CheckClient(const Command& command);
  std::string CheckServing(const Command& command);
  // What the program served from and the client delivered, for the serving checks.
  ServingFacts Facts();
  // The program's part of them: its titles, lists and confirmation ending (after a crash, as
  // they were when it crashed, until the new program has its own).
  ServingFacts ProgramFacts();
  // The queue entries on screen and in the requests files the program saved.
  std::vector<AdmittedRequest> StillQueued();
  // Empty, or the first line of the room that was emptied away before the program read it.
  std::string FirstLineLostUnread();
  std::string FirstLost();
  // Sees every entry the program adds to its queues from the moment they exist.
  void WatchQueues();
  // An entry came into a queue: a new request, or one taken out a moment ago coming back.
  enum class Placing { kAdded, kInserted };
  void NoteQueued(QueueKind kind, const std::string& entry, Placing placing);
  void Count();
  // The program's chat lines so far (the signed-on user's lines of the room).
  std::vector<std::string> ProgramLines() const;
  // The element named by a command's form and control words; nullptr with why set.
  ui::Element* Resolve(const std::string& form, const std::string& control, std::string& why);

  // --- Logging --------------------------------------------------------------------------------
  void OnModalOpened(const winsys::sim::ModalInfo& info) override;
  void OnModalClosed(const winsys::sim::ModalInfo& info, int answer) override;
  void LogClientEvent(const aolsim::ClientEvent& event);
  void LogIgnored(const Command& command, const std::string& why);

  Script script_;
  RunOptions options_;
  std::unique_ptr<World> world_;
  std::unique_ptr<EventLog> log_;
  std::ostream& out_;

  std::size_t next_ = 0;
  bool waiting_ = false;
  bool started_ = false;
  bool running_ = false;    // started, and not crashed since
  bool restoring_ = false;  // a restarted program is loading what was pending
  ServingFacts crashed_program_;
  std::string pending_file_;  // where the program keeps its pending requests, if it does
  bool finished_ = false;
  int passed_ = 0;
  int failed_ = 0;

  std::deque<Answer> answers_;
  ui::MenuEntry* pending_menu_ = nullptr;
  // Each modal window is answered once, when it is the newest one open.
  std::unique_ptr<winsys::sim::ModalAnswerer> answerer_;

  std::size_t chat_cursor_ = 0;
  std::size_t mail_cursor_ = 0;
  std::optional<std::size_t> last_mail_;
  std::vector<std::string> message_boxes_;  // the texts of the message boxes shown
  std::size_t dialog_cursor_ = 0;

  std::unique_ptr<RoomTraffic> traffic_;
  // By queue kind; looked at on every idle turn of the loop.
  std::array<winsys::HWND, 3> watched_{};
  std::vector<AdmittedRequest> admitted_;
  // Entries the program took out of a queue, and when: one that comes back soon is a retry, not
  // a new request.
  std::multimap<std::pair<QueueKind, std::string>, double> taken_;
  int requeued_ = 0;
  std::vector<std::string> saved_files_;  // paths given to the program's save dialogs
  RunFigures figures_;
};

// Runs a script given as text; malformed scripts print "error: line N: WHY" to err and give 2.
int RunScenarioText(std::string_view text, const RunOptions& options, std::ostream& out,
                    std::ostream& err);
// Reads and runs a file; a file that cannot be read gives 2.
int RunScenarioFile(const std::string& path, RunOptions options, std::ostream& out,
                    std::ostream& err);

}  // namespace scenario
