#pragma once
// Two steps of the serving tick that answer without forwarding stored mails: the status step
// tells each requester in the chat how many of their item requests are queued, and the find step
// searches the titles on offer and mails the numbered matches (or says in the chat that there
// were none). Each serves the entries queued when it begins, oldest first.

#include <string>
#include <string_view>

#include "aol_automation/late_window_sweeper.h"
#include "aol_automation/wait_bounds.h"
#include "serving_loop/failed_tries.h"
#include "serving_loop/tick_flow.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace serving_engine {
class ListResults;
class ServerForm;
class Settings;
}  // namespace serving_engine

namespace serving_loop {

class FindAndStatus {
 public:
  // The server window holds the queues and announces what is pending; the titles searched are
  // the List Designer's.
  FindAndStatus(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
                const shared::Variables& variables, const shared::ProgramEnd& end,
                const serving_engine::Settings& settings,
                const serving_engine::ListResults& results, const vornik32::WaitBounds& bounds,
                FailedTries& failed_tries, vornik32::LateWindowSweeper& late_windows);

  TickFlow StatusStep();
  TickFlow FindStep();

 private:
  void AnswerStatus(const std::string& requester);
  // Whether the answer went: the chat line, or the mail and its chat line.
  bool AnswerFind(std::string_view requester, std::string_view words);
  // A find whose mail did not go: back to the head of its queue, or, at its last try, dropped
  // with a chat line.
  void FindNotSent(const std::string& entry, std::string_view requester, std::string_view words);
  // Whether the mail went: it was written and its Write Mail window closed.
  bool MailResults(std::string_view requester, const std::string& subject, const std::string& text);

  winsys::WindowSystem& ws_;
  serving_engine::ServerForm& server_;
  const shared::Variables& variables_;
  const shared::ProgramEnd& end_;
  const serving_engine::Settings& settings_;
  const serving_engine::ListResults& results_;
  const vornik32::WaitBounds& bounds_;
  FailedTries& failed_tries_;
  vornik32::LateWindowSweeper& late_windows_;
};

}  // namespace serving_loop
