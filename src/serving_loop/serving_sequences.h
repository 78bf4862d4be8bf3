#pragma once
// The three branches of the serving tick that change the state of serving: the stop sequence
// (timers off, the question about pending commands, the serving report), the pause sequence and
// the first step of a finish, and the end of a finish once its last item is served.

#include "aol_automation/wait_bounds.h"
#include "shared/program_end.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace serving_engine {
class ServerForm;
class Settings;
}  // namespace serving_engine

namespace serving_loop {

class FailedTries;
class PendingRequestsKeeper;
class ServingReportForm;
struct ReportValues;

class ServingSequences {
 public:
  // The server window's timers, buttons, queues and counters are what the sequences change; the
  // stop fills and shows the report, starts the failed tries over and ends keeping the pending
  // requests.
  ServingSequences(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
                   shared::Variables& variables, const shared::ProgramEnd& end,
                   const serving_engine::Settings& settings, const vornik32::WaitBounds& bounds,
                   ServingReportForm& report, FailedTries& failed_tries,
                   PendingRequestsKeeper& pending_keeper);

  void Stop();
  void Pause();
  void FinishFirstStep();
  // The finish has served everything: the next tick runs the stop sequence (without its
  // question, since a finish is under way).
  void RequestStopAfterFinish();

 private:
  void AskToRemovePendingCommands();
  ReportValues CollectReport();

  winsys::WindowSystem& ws_;
  serving_engine::ServerForm& server_;
  shared::Variables& variables_;
  const shared::ProgramEnd& end_;
  const serving_engine::Settings& settings_;
  const vornik32::WaitBounds& bounds_;
  ServingReportForm& report_;
  FailedTries& failed_tries_;
  PendingRequestsKeeper& pending_keeper_;
};

}  // namespace serving_loop
