#include "serving_loop/serving_sequences.h"

#include "aol_automation/automation.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/served_counters.h"
#include "serving_engine/server_form.h"
#include "serving_engine/settings.h"
#include "serving_loop/program_view.h"
#include "serving_loop/serving_loop.h"
#include "serving_loop/serving_report_form.h"
#include "shared/addresses.h"
#include "shared/ui/message_box.h"

namespace serving_loop {

namespace {

constexpr double kPauseAroundNotice = 2.0;
constexpr double kPauseAfterFinishNotice = 0.5;

}  // namespace

ServingSequences::ServingSequences(ProgramView& program) : program_(program) {}

void ServingSequences::Stop() {
  winsys::WindowSystem& ws = program_.ws();
  serving_engine::ServerForm& server = program_.serverFrm();
  server.ChatTimer.Disable();
  server.RequestTimer.Disable();
  server.WindowTimer.Disable();
  server.Command2.set_caption(serving_engine::kPauseCaption);
  // Pause pressed just before Stop (within the same tick, or while a mail was being sent)
  // leaves the button disabled, waiting for a pause sequence that the stop now replaces; left
  // so, nobody could pause again for the rest of the run.
  server.Command2.Enable();
  server.Command3.Enable();
  vornik32::WaitSeconds(ws, kPauseAroundNotice);
  // The server window was closed during the wait: the program is ending, with nothing to report.
  if (program_.ended()) return;
  vornik32::ChatSend(
      ws, serving_engine::BulletLine("tollmere server off - " +
                                     std::to_string(program_.servedCounters().MailsServed()) +
                                     " mail(s) served"));
  if (!program_.variables().FinishRequested) AskToRemovePendingCommands();
  program_.variables().TimeEnded = ws.clock().TimeOfDayText(ws.clock().Local());
  ServingReportForm& report = program_.servingreportFrm();
  report.Fill(CollectReport());
  program_.servingLoop().failedTries().StartOver();
  report.Show();
  program_.queues().statuss.Clear();
  program_.servedCounters().ForgetPeopleServed();
  program_.servedCounters().ShowServedCounts(0);
  vornik32::InstantMessagesOn(ws, program_.bounds());
  program_.servingLoop().pendingRequestsKeeper().EndServing();
  server.Command1.Enable();
}

void ServingSequences::AskToRemovePendingCommands() {
  serving_engine::ServerForm& server = program_.serverFrm();
  const ui::MsgBoxAnswer answer =
      ui::MsgBox(program_.ws(), server.form.hwnd(), "Remove all pending commands?",
                 ui::MsgBoxButtons::kYesNo, ui::MsgBoxIcon::kQuestion, shared::kProgramTitle);
  if (answer != ui::MsgBoxAnswer::kYes) return;
  const serving_engine::RequestQueues queues = program_.queues();
  for (serving_engine::RequestQueue* queue : {&queues.requests, &queues.lists, &queues.finds}) {
    queue->Clear();
    queue->RefreshCaption();
  }
}

ReportValues ServingSequences::CollectReport() {
  winsys::WindowSystem& ws = program_.ws();
  const serving_engine::ServedCounters& counters = program_.servedCounters();
  ReportValues values;
  values.date = ws.clock().ShortDateText(ws.clock().Local());
  values.screen_name = vornik32::UserScreenName(ws);
  values.serving_handle = program_.settings().ServingHandle();
  values.time_started = program_.variables().TimeStarted;
  values.time_ended = program_.variables().TimeEnded;
  values.people_served = counters.PeopleServedCount();
  values.mails_served = counters.MailsServed();
  values.mails_not_sent = program_.servingLoop().failedTries().mails_not_sent();
  return values;
}

void ServingSequences::Pause() {
  serving_engine::ServerForm& server = program_.serverFrm();
  program_.variables().PauseRequested = false;
  server.RequestTimer.Disable();
  server.WindowTimer.Disable();
  server.ListTimer.Disable();
  vornik32::WaitSeconds(program_.ws(), kPauseAroundNotice);
  if (program_.ended()) return;
  vornik32::ChatSend(program_.ws(),
                     serving_engine::BulletLine("tollmere server paused, still taking requests"));
  server.Command2.Enable();
}

void ServingSequences::FinishFirstStep() {
  serving_engine::ServerForm& server = program_.serverFrm();
  const serving_engine::RequestQueues queues = program_.queues();
  if (queues.requests.Count() == 0) {
    RequestStopAfterFinish();
    return;
  }
  server.Command3.Disable();
  server.ChatTimer.Disable();
  server.ListTimer.Disable();
  server.AdvTimer.Disable();
  for (serving_engine::RequestQueue* queue : {&queues.finds, &queues.lists}) {
    queue->Clear();
    queue->RefreshCaption();
  }
  winsys::WindowSystem& ws = program_.ws();
  vornik32::WaitSeconds(ws, kPauseAroundNotice);
  vornik32::ChatSend(
      ws, serving_engine::BulletLine("tollmere server off, pending requests will be sent"));
  vornik32::WaitSeconds(ws, kPauseAfterFinishNotice);
}

void ServingSequences::RequestStopAfterFinish() {
  serving_engine::ServerForm& server = program_.serverFrm();
  program_.variables().StopRequested = true;
  server.Command1.set_caption(serving_engine::kStartCaption);
  server.Command1.Disable();
}

}  // namespace serving_loop
