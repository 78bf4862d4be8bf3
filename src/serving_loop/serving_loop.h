#pragma once
// The serving loop: one serving tick each time the server window's RequestTimer fires. A tick
// acts on the stop, pause and finish flags; otherwise it posts the advert when due, serves one
// batch of list requests when lists are due, every queued status and find request, and one
// batch of item requests (the oldest and up to five later requests for the same item, in one
// forward). It waits for the client while it works, yielding to the message loop, so requests
// keep coming in and the buttons keep working meanwhile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/late_window_sweeper.h"
#include "aol_automation/wait_bounds.h"
#include "serving_engine/serving_work.h"
#include "serving_loop/client_presence.h"
#include "serving_loop/failed_tries.h"
#include "serving_loop/find_and_status.h"
#include "serving_loop/pending_requests_keeper.h"
#include "serving_loop/serving_sequences.h"
#include "serving_loop/tick_flow.h"
#include "shared/program_end.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace list_designer {
class MessagesForm;
}

namespace serving_engine {
class ListResults;
class ServerForm;
class Settings;
}  // namespace serving_engine

namespace serving_loop {

class ServingReportForm;

class ServingLoop : public serving_engine::ServingWork {
 public:
  // Most list requesters served in one batch, and most later requests for the same item that
  // join the oldest one in its forward.
  static constexpr int kListBatch = 5;
  static constexpr int kLaterRequestsPerItem = 5;

  // It serves from the server window's queues, with the List Designer's mail list and serving
  // lists and, when they are on, the messages window's texts; a stop shows the report.
  ServingLoop(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
              shared::Variables& variables, const shared::ProgramEnd& end,
              const serving_engine::Settings& settings, const serving_engine::ListResults& results,
              const list_designer::MessagesForm& messages, ServingReportForm& report,
              const vornik32::WaitBounds& bounds);
  ~ServingLoop() override;
  ServingLoop(const ServingLoop&) = delete;
  ServingLoop& operator=(const ServingLoop&) = delete;

  // One serving tick.
  void RequestTimer_Timer() override;
  // Keeping the pending item requests on disk (see PendingRequestsKeeper).
  void BeginServing() override { pending_keeper_.BeginServing(); }
  void EndServing() override { pending_keeper_.EndServing(); }
  void SavePendingIfDue() override { pending_keeper_.SaveIfDue(); }
  // Whether a tick is running now (it may be inside one of its waits).
  bool ticking() const { return ticking_; }

  // The pending item requests kept on disk while serving.
  PendingRequestsKeeper& pendingRequestsKeeper() { return pending_keeper_; }
  // The requests whose mails did not go, and how many were given up.
  FailedTries& failedTries() { return failed_tries_; }

 private:
  void Tick();
  void AdvertStep();
  TickFlow ListStep();
  std::vector<std::string> TakeListRequesters();
  // The list requesters whose lists did not all go: back to the head of their queue, or, at
  // their last try, dropped with a chat line.
  void ListsNotSent(const std::vector<std::string>& requesters);
  void ItemStep();
  void ItemServed(const std::vector<std::string>& batch, const std::string& item_text);
  // The item entries of a forward that did not go: back to the head of their queue in their
  // order, or, at their last try, dropped with one chat line.
  void ItemNotSent(const std::vector<std::string>& batch, const std::string& item_text);
  void AfterItemServed();
  // A finish whose last item request has left the queue ends: true when it did.
  bool EndFinishWhenAllServed();
  // The recipient text of a forward, its parentheses gone: the names as the chat shows them.
  std::string ShownRecipients(std::string recipients);
  // The title item item_number stands for in the mail list, if the list holds it.
  std::optional<std::string> ItemTitle(std::int64_t item_number);
  // "(" + name + ")," for each requester of the entries.
  static std::string RecipientsOf(const std::vector<std::string>& entries);

  winsys::WindowSystem& ws_;
  serving_engine::ServerForm& server_;
  shared::Variables& variables_;
  const shared::ProgramEnd& end_;
  const serving_engine::Settings& settings_;
  const serving_engine::ListResults& results_;
  const list_designer::MessagesForm& messages_;
  const vornik32::WaitBounds& bounds_;
  PendingRequestsKeeper pending_keeper_;
  FailedTries failed_tries_;
  ServingSequences sequences_;
  ClientPresence client_presence_;
  // The windows a lagging client opened for mails that had already returned.
  vornik32::LateWindowSweeper late_windows_;
  FindAndStatus find_and_status_;
  bool ticking_ = false;
};

}  // namespace serving_loop
