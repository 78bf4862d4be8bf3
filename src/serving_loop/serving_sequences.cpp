#include "serving_loop/serving_sequences.h"

#include "aol_automation/automation.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/served_counters.h"
#include "serving_engine/server_form.h"
#include "serving_engine/settings.h"
#include "serving_loop/failed_tries.h"
#include "serving_loop/pending_requests_keeper.h"
#include "serving_loop/serving_report_form.h"
#include "shared/addresses.h"
#include "shared/ui/message_box.h"
#include "shared/winsys/wait.h"

namespace serving_loop {

namespace {

constexpr double kPauseAroundNotice = 2.0;
constexpr double kPauseAfterFinishNotice = 0.5;

}  // namespace

ServingSequences::ServingSequences(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
                                   shared::Variables& variables, const shared::ProgramEnd& end,
                                   const serving_engine::Settings& settings,
                                   const vornik32::WaitBounds& bounds, ServingReportForm& report,
                                   FailedTries& failed_tries, PendingRequestsKeeper& pending_keeper)
    : ws_(ws),
      server_(server),
      variables_(variables),
      end_(end),
      settings_(settings),
      bounds_(bounds),
      report_(report),
      failed_tries_(failed_tries),
      pending_keeper_(pending_keeper) {}

void ServingSequences::Stop() {
  server_.ChatTimer.Disable();
  server_.RequestTimer.Disable();
  server_.WindowTimer.Disable();
  server_.Command2.set_caption(serving_engine::kPauseCaption);
  // Pause pressed just before Stop (within the same tick, or while a mail was being sent)
  // leaves the button disabled, waiting for a pause sequence that the stop now replaces; left
  // so, nobody could pause again for the rest of the run.
  server_.Command2.Enable();
  server_.Command3.Enable();
  winsys::WaitSeconds(ws_, kPauseAroundNotice);
  // The server window was closed during the wait: the program is ending, with nothing to report.
  if (end_.ended()) return;
  vornik32::ChatSend(
      ws_, serving_engine::BulletLine("tollmere server off - " +
                                      std::to_string(server_.MailsServed()) + " mail(s) served"));
  if (!variables_.FinishRequested) AskToRemovePendingCommands();
  variables_.TimeEnded = ws_.clock().TimeOfDayText(ws_.clock().Local());
  report_.Fill(CollectReport());
  failed_tries_.StartOver();
  report_.Show();
  server_.queues().statuss.Clear();
  server_.ForgetPeopleServed();
  server_.ShowServedCounts(0);
  vornik32::InstantMessagesOn(ws_, bounds_);
  pending_keeper_.EndServing();
  server_.Command1.Enable();
}

void ServingSequences::AskToRemovePendingCommands() {
  const ui::MsgBoxAnswer answer =
      ui::MsgBox(ws_, server_.form.hwnd(), "Remove all pending commands?",
                 ui::MsgBoxButtons::kYesNo, ui::MsgBoxIcon::kQuestion, shared::kProgramTitle);
  if (answer != ui::MsgBoxAnswer::kYes) return;
  const serving_engine::RequestQueues queues = server_.queues();
  for (serving_engine::RequestQueue* queue : {&queues.requests, &queues.lists, &queues.finds}) {
    queue->Clear();
    queue->RefreshCaption();
  }
}

ReportValues ServingSequences::CollectReport() {
  const serving_engine::ServedCounters& counters = server_;
  ReportValues values;
  values.date = ws_.clock().ShortDateText(ws_.clock().Local());
  values.screen_name = vornik32::UserScreenName(ws_);
  values.serving_handle = settings_.ServingHandle();
  values.time_started = variables_.TimeStarted;
  values.time_ended = variables_.TimeEnded;
  values.people_served = counters.PeopleServedCount();
  values.mails_served = counters.MailsServed();
  values.mails_not_sent = failed_tries_.mails_not_sent();
  return values;
}

void ServingSequences::Pause() {
  variables_.PauseRequested = false;
  server_.RequestTimer.Disable();
  server_.WindowTimer.Disable();
  server_.ListTimer.Disable();
  winsys::WaitSeconds(ws_, kPauseAroundNotice);
  if (end_.ended()) return;
  vornik32::ChatSend(ws_,
                     serving_engine::BulletLine("tollmere server paused, still taking requests"));
  server_.Command2.Enable();
}

void ServingSequences::FinishFirstStep() {
  const serving_engine::RequestQueues queues = server_.queues();
  if (queues.requests.Count() == 0) {
    RequestStopAfterFinish();
    return;
  }
  server_.Command3.Disable();
  server_.ChatTimer.Disable();
  server_.ListTimer.Disable();
  server_.AdvTimer.Disable();
  for (serving_engine::RequestQueue* queue : {&queues.finds, &queues.lists}) {
    queue->Clear();
    queue->RefreshCaption();
  }
  winsys::WaitSeconds(ws_, kPauseAroundNotice);
  vornik32::ChatSend(
      ws_, serving_engine::BulletLine("tollmere server off, pending requests will be sent"));
  winsys::WaitSeconds(ws_, kPauseAfterFinishNotice);
}

void ServingSequences::RequestStopAfterFinish() {
  variables_.StopRequested = true;
  server_.Command1.set_caption(serving_engine::kStartCaption);
  server_.Command1.Disable();
}

}  // namespace serving_loop
