#include "serving_loop/serving_loop.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "aol_automation/automation.h"
#include "list_designer/messages_form.h"
#include "list_designer/serving_lists.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/list_results.h"
#include "serving_engine/server_form.h"
#include "serving_engine/setting_caption.h"
#include "serving_engine/settings.h"
#include "serving_loop/html_text.h"
#include "serving_loop/item_entry.h"
#include "serving_loop/mail_note.h"
#include "shared/winsys/wait.h"

namespace serving_loop {

using serving_engine::LeadingNumber;

namespace {

constexpr double kPauseAroundAdvert = 1.5;
constexpr double kPauseAfterListForward = 1.0;
constexpr double kPauseAfterItemForward = 0.5;
constexpr double kPauseAfterConfirmation = 0.5;

std::string RecipientEntry(std::string_view screen_name) {
  return "(" + std::string(screen_name) + "),";
}

// A number of the serving-list data as a mailbox position; the designer writes only small ones.
int AsPosition(std::int64_t number) {
  if (number < 0) return 0;
  return number > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                  : static_cast<int>(number);
}

// List mail list_number, expected at the mailbox index of its entry.
vornik32::MeantMail ServingListMail(const std::string& mailbox_index, int list_number) {
  return {AsPosition(LeadingNumber(mailbox_index)), [list_number](std::string_view subject) {
            return list_designer::ServingListNumber(subject) == list_number;
          }};
}

// The highest list number the serving-list entries name; 0 when there are none.
int HighestListNumber(const serving_engine::ListResults& results) {
  std::int64_t highest = 0;
  for (int i = 0; i < results.ServingListCount(); ++i) {
    const list_designer::ServingListPlace place =
        list_designer::SplitServingListEntry(results.ServingListEntry(i));
    highest = std::max(highest, LeadingNumber(place.list_number));
  }
  return AsPosition(highest);
}

// The mailbox index of the first entry for the list; nothing when no entry names it.
std::optional<std::string> PlaceOfList(const serving_engine::ListResults& results,
                                       int list_number) {
  for (int i = 0; i < results.ServingListCount(); ++i) {
    list_designer::ServingListPlace place =
        list_designer::SplitServingListEntry(results.ServingListEntry(i));
    if (LeadingNumber(place.list_number) == list_number) return std::move(place.mailbox_index);
  }
  return std::nullopt;
}

// Whether one of the tick's steps has something to take to the client.
WorkDue DueWork(const shared::Variables& variables, const serving_engine::RequestQueues& queues) {
  const bool due = variables.AdvertDue || (queues.lists.Count() > 0 && variables.ListsDue) ||
                   queues.statuss.Count() > 0 || queues.finds.Count() > 0 ||
                   queues.requests.Count() > 0;
  return due ? WorkDue::kSome : WorkDue::kNone;
}

// Ends the tick's busy mark however the tick ends.
class TickGuard {
 public:
  explicit TickGuard(bool& ticking) : ticking_(ticking) { ticking_ = true; }
  ~TickGuard() { ticking_ = false; }
  TickGuard(const TickGuard&) = delete;
  TickGuard& operator=(const TickGuard&) = delete;

 private:
  bool& ticking_;
};

}  // namespace

ServingLoop::ServingLoop(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
                         shared::Variables& variables, const shared::ProgramEnd& end,
                         const serving_engine::Settings& settings,
                         const serving_engine::ListResults& results,
                         const list_designer::MessagesForm& messages, ServingReportForm& report,
                         const vornik32::WaitBounds& bounds)
    : ws_(ws),
      server_(server),
      variables_(variables),
      end_(end),
      settings_(settings),
      results_(results),
      messages_(messages),
      bounds_(bounds),
      pending_keeper_(server.form, server.Requests, end),
      sequences_(ws, server, variables, end, settings, bounds, report, failed_tries_,
                 pending_keeper_),
      client_presence_(ws, server),
      find_and_status_(ws, server, variables, end, settings, results, bounds, failed_tries_,
                       late_windows_) {}

ServingLoop::~ServingLoop() = default;

// A tick waits for the client, and its waits let timers run: the serving timer fires again
// inside them. A busy mark turns such a tick away (the control kit's timer drops a tick that
// comes while its handler runs as well; the mark also covers a tick started any other way), so
// two ticks never serve the same queue head. The turned-away tick is not made up for: the timer
// fires again 100 ms after the running tick has ended.
void ServingLoop::RequestTimer_Timer() {
  // Looked at also while a tick waits for the client: a finish has no chat timer running, and
  // its one long tick would otherwise keep the file stale.
  pending_keeper_.SaveIfDue();
  if (ticking_) return;
  TickGuard guard(ticking_);
  Tick();
}

void ServingLoop::Tick() {
  shared::Variables& variables = variables_;
  const serving_engine::RequestQueues queues = server_.queues();
  if (variables.StopRequested) {
    sequences_.Stop();
    return;
  }
  if (variables.PauseRequested) {
    sequences_.Pause();
    return;
  }
  if (variables.FinishRequested) {
    if (server_.Command3.enabled()) {
      sequences_.FinishFirstStep();
      return;
    }
    // Finishing, with the item queue emptied other than by serving (a double-click on its last
    // entry, Clear Commands, an unservable entry dropped): no item step would ever run to end
    // the finish, and serving would hang in it until Stop. It ends here as after the last item.
    if (queues.requests.Count() == 0) {
      sequences_.RequestStopAfterFinish();
      return;
    }
  }
  late_windows_.CloseArrived(ws_);
  // A client that is gone, or does not answer, could take no mail: nothing leaves the queues
  // until it is back.
  if (!client_presence_.ReadyToServe(DueWork(variables, queues)) || TickMustEnd(variables, end_)) {
    return;
  }
  if (variables.AdvertDue) AdvertStep();
  // Stop pressed during the advert's waits ends the tick before the list step takes requesters
  // from their queue, who would otherwise be lost with the batch that never goes out.
  if (TickMustEnd(variables_, end_)) return;
  if (queues.lists.Count() > 0 && variables.ListsDue && ListStep() == TickFlow::kEndTick) return;
  if (queues.statuss.Count() > 0 && find_and_status_.StatusStep() == TickFlow::kEndTick) return;
  if (queues.finds.Count() > 0 && find_and_status_.FindStep() == TickFlow::kEndTick) return;
  if (queues.requests.Count() > 0 && !TickMustEnd(variables_, end_)) ItemStep();
}

void ServingLoop::AdvertStep() {
  variables_.AdvertDue = false;
  winsys::WaitSeconds(ws_, kPauseAroundAdvert);
  if (end_.ended()) return;
  server_.PostAdvert();
  winsys::WaitSeconds(ws_, kPauseAroundAdvert);
}

TickFlow ServingLoop::ListStep() {
  variables_.ListsDue = false;
  failed_tries_.KeepOnlyQueued(QueueKind::kLists, server_.queues().lists);
  const std::vector<std::string> requesters = TakeListRequesters();
  const std::string recipients = RecipientsOf(requesters);
  const serving_engine::ListResults& results = results_;
  const int list_count = HighestListNumber(results);
  const std::optional<std::string> custom_message =
      variables_.CustomMessages ? std::optional<std::string>(messages_.MailMessage())
                                : std::nullopt;
  // A request gets lists 1 to the highest, each once: with one missing (lists 1 and 3 found, say)
  // none goes, rather than a part of them with every try.
  bool all_sent = true;
  for (int list_number = 1; list_number <= list_count && all_sent; ++list_number) {
    all_sent = PlaceOfList(results, list_number).has_value();
  }
  for (int list_number = 1; list_number <= list_count && all_sent; ++list_number) {
    if (TickMustEnd(variables_, end_)) return TickFlow::kEndTick;
    // Read afresh after every wait: the List Designer owns the list, not this loop.
    const std::optional<std::string> place = PlaceOfList(results, list_number);
    if (!place) {
      all_sent = false;
      break;
    }
    const vornik32::MailResult result = vornik32::ForwardMailForClient(
        ws_, recipients, MailNote(ListNoteLine(list_number), custom_message),
        ServingListMail(*place, list_number), vornik32::CloseAfter::kYes, bounds_);
    late_windows_.Watch(result);
    // The others go on: the batch is tried again whole, as a requester is told only that all
    // the lists went.
    if (!result.sent()) all_sent = false;
    winsys::WaitSeconds(ws_, kPauseAfterListForward);
  }
  if (!all_sent) {
    ListsNotSent(requesters);
    return TickFlow::kGoOn;
  }
  for (const std::string& requester : requesters) {
    failed_tries_.Forget(QueueKind::kLists, requester);
  }
  vornik32::ChatSend(ws_,
                     serving_engine::BulletLine(ShownRecipients(recipients) + " " +
                                                std::to_string(list_count) + " list(s) were sent"));
  winsys::WaitSeconds(ws_, kPauseAfterConfirmation);
  if (settings_.AdvertisePendingNumber()) server_.AdvCommands();
  return TickFlow::kGoOn;
}

std::vector<std::string> ServingLoop::TakeListRequesters() {
  serving_engine::RequestQueue& lists = server_.queues().lists;
  std::vector<std::string> requesters;
  for (int taken = 0; taken < kListBatch && lists.Count() > 0; ++taken) {
    requesters.push_back(lists.Entry(0));
    lists.RemoveAt(0);
  }
  return requesters;
}

// Some lists may have gone to the batch: the whole batch is tried again, as a requester is told
// only that all the lists were sent. The lists stay due, so that a later tick tries again.
void ServingLoop::ListsNotSent(const std::vector<std::string>& requesters) {
  serving_engine::RequestQueue& lists = server_.queues().lists;
  std::vector<std::string> dropped;
  int back = 0;
  for (const std::string& requester : requesters) {
    if (failed_tries_.CountFailure(QueueKind::kLists, requester)) {
      dropped.push_back(requester);
    } else {
      lists.InsertAt(back++, requester);
    }
  }
  variables_.ListsDue = back > 0;
  if (dropped.empty()) return;
  failed_tries_.CountMailNotSent();
  vornik32::ChatSend(ws_, serving_engine::BulletLine(ShownRecipients(RecipientsOf(dropped)) +
                                                     " the lists could not be sent"));
  winsys::WaitSeconds(ws_, kPauseAfterConfirmation);
}

// An entry whose item text is not a whole number names no mail (only a loaded file could bring
// one, and the loader keeps them out; a number too large for any mailbox position is the same).
// It is dropped without a mail or a chat line, counts nothing, and the item step ends there:
// the next tick serves the next entry.
void ServingLoop::ItemStep() {
  serving_engine::RequestQueue& requests = server_.queues().requests;
  failed_tries_.KeepOnlyQueued(QueueKind::kItems, requests);
  const std::string head = requests.Entry(0);
  const std::optional<ItemEntry> item = SplitItemEntry(head);
  const std::optional<int> position =
      item ? MailboxPosition(item->item_text, variables_.ItemOffset) : std::nullopt;
  if (!position) {
    requests.RemoveAt(0);
    EndFinishWhenAllServed();
    return;
  }
  const std::string item_text(item->item_text);
  std::vector<std::string> batch{head};
  requests.RemoveAt(0);
  // The later requests for the same item, oldest first, go with the head's.
  for (std::string& entry : requests.TakeForItem(item_text, kLaterRequestsPerItem)) {
    batch.push_back(std::move(entry));
  }

  const std::optional<std::string> custom_message =
      variables_.CustomMessages ? std::optional<std::string>(messages_.MailMessage())
                                : std::nullopt;
  // The item is the title it stands for in the mail list, not a mailbox line: an item the list
  // no longer holds (the designer ran again meanwhile) cannot be sent.
  const std::optional<std::string> title =
      ItemTitle(static_cast<std::int64_t>(*position) - variables_.ItemOffset);
  pending_keeper_.HoldInFlight(batch);
  const vornik32::MailResult result =
      title ? vornik32::ForwardMailForClient(
                  ws_, RecipientsOf(batch), MailNote(ItemNoteLine(item_text), custom_message),
                  vornik32::MailTitled(*position, *title), vornik32::CloseAfter::kYes, bounds_)
            : vornik32::MailResult(vornik32::Outcome::kGaveUp, vornik32::MailStep::kSelect);
  late_windows_.Watch(result);
  winsys::WaitSeconds(ws_, kPauseAfterItemForward);
  // From here the batch is either served or, before the next yield, back in the queue.
  pending_keeper_.ReleaseInFlight();
  if (result.sent()) {
    ItemServed(batch, item_text);
  } else {
    ItemNotSent(batch, item_text);
  }
}

void ServingLoop::ItemServed(const std::vector<std::string>& batch, const std::string& item_text) {
  serving_engine::ServedCounters& counters = server_;
  for (const std::string& entry : batch) {
    counters.AddToServed(std::string(serving_engine::RequesterOf(entry)));
    failed_tries_.Forget(QueueKind::kItems, entry);
  }
  const shared::Variables& variables = variables_;
  const std::string ending =
      variables.CustomMessages ? " " + messages_.ChatSuffix() : std::string(" was sent");
  vornik32::ChatSend(ws_, serving_engine::BulletLine(ShownRecipients(RecipientsOf(batch)) + " " +
                                                     item_text + ending));
  winsys::WaitSeconds(ws_, kPauseAfterConfirmation);
  counters.ShowServedCounts(counters.MailsServed() + 1);
  AfterItemServed();
}

void ServingLoop::ItemNotSent(const std::vector<std::string>& batch, const std::string& item_text) {
  serving_engine::RequestQueue& requests = server_.queues().requests;
  std::vector<std::string> dropped;
  int back = 0;
  for (const std::string& entry : batch) {
    if (failed_tries_.CountFailure(QueueKind::kItems, entry)) {
      dropped.push_back(entry);
    } else {
      requests.InsertAt(back++, entry);
    }
  }
  if (!dropped.empty()) {
    failed_tries_.CountMailNotSent();
    vornik32::ChatSend(ws_, serving_engine::BulletLine(ShownRecipients(RecipientsOf(dropped)) +
                                                       " " + item_text + " could not be sent"));
    winsys::WaitSeconds(ws_, kPauseAfterConfirmation);
  }
  EndFinishWhenAllServed();
}

void ServingLoop::AfterItemServed() {
  if (EndFinishWhenAllServed()) return;
  if (settings_.AdvertisePendingNumber()) server_.AdvCommands();
}

bool ServingLoop::EndFinishWhenAllServed() {
  if (server_.queues().requests.Count() > 0 || !variables_.FinishRequested) {
    return false;
  }
  sequences_.RequestStopAfterFinish();
  return true;
}

std::optional<std::string> ServingLoop::ItemTitle(std::int64_t item_number) {
  const std::vector<std::string>& titles = results_.MailTitles();
  if (item_number < 0 || item_number >= static_cast<std::int64_t>(titles.size())) {
    return std::nullopt;
  }
  return titles[static_cast<std::size_t>(item_number)];
}

std::string ServingLoop::RecipientsOf(const std::vector<std::string>& entries) {
  std::string recipients;
  for (const std::string& entry : entries) {
    recipients += RecipientEntry(serving_engine::RequesterOf(entry));
  }
  return recipients;
}

// The names go into the room escaped: a screen name holds no markup, but a name that came from a
// loaded file may.
std::string ServingLoop::ShownRecipients(std::string recipients) {
  vornik32::ReplaceText(ws_, recipients, "(", "");
  vornik32::ReplaceText(ws_, recipients, ")", "");
  return EscapeHtml(recipients);
}

}  // namespace serving_loop
