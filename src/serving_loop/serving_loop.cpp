#include "serving_loop/serving_loop.h"

#include <limits>
#include <optional>

#include "aol_automation/automation.h"
#include "app/program.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/messages_form.h"
#include "list_designer/serving_lists.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/server_form.h"
#include "serving_loop/html_text.h"
#include "serving_loop/item_entry.h"
#include "serving_loop/mail_note.h"
#include "serving_loop/menu_form.h"
#include "serving_loop/setting_caption.h"

namespace app {

serving_loop::ServingLoop& Program::servingLoop() {
  if (!serving_loop_) serving_loop_ = std::make_shared<serving_loop::ServingLoop>(*this);
  return *serving_loop_;
}

}  // namespace app

namespace serving_loop {

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

ServingLoop::ServingLoop(app::Program& program)
    : program_(program),
      requests_file_(program),
      pending_keeper_(program, program.pending_requests_file()),
      sequences_(program),
      find_and_status_(program) {}

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
  shared::Variables& variables = program_.variables();
  serving_engine::ServerForm& server = program_.serverFrm();
  if (variables.StopRequested) {
    sequences_.Stop();
    return;
  }
  if (variables.PauseRequested) {
    sequences_.Pause();
    return;
  }
  if (variables.FinishRequested) {
    if (server.Command3.enabled()) {
      sequences_.FinishFirstStep();
      return;
    }
    // Finishing, with the item queue emptied other than by serving (a double-click on its last
    // entry, Clear Commands, an unservable entry dropped): no item step would ever run to end
    // the finish, and serving would hang in it until Stop. It ends here as after the last item.
    if (server.Requests.Count() == 0) {
      sequences_.RequestStopAfterFinish();
      return;
    }
  }
  if (variables.AdvertDue) AdvertStep();
  // Stop pressed during the advert's waits ends the tick before the list step takes requesters
  // from their queue, who would otherwise be lost with the batch that never goes out.
  if (TickMustEnd(program_)) return;
  if (server.Lists.Count() > 0 && variables.ListsDue && ListStep() == TickFlow::kEndTick) return;
  if (server.Statuss.Count() > 0 && find_and_status_.StatusStep() == TickFlow::kEndTick) return;
  if (server.Finds.Count() > 0 && find_and_status_.FindStep() == TickFlow::kEndTick) return;
  if (server.Requests.Count() > 0 && !TickMustEnd(program_)) ItemStep();
}

void ServingLoop::AdvertStep() {
  winsys::WindowSystem& ws = program_.ws();
  program_.variables().AdvertDue = false;
  vornik32::WaitSeconds(ws, kPauseAroundAdvert);
  if (program_.ended()) return;
  program_.serverFrm().PostAdvert();
  vornik32::WaitSeconds(ws, kPauseAroundAdvert);
}

TickFlow ServingLoop::ListStep() {
  winsys::WindowSystem& ws = program_.ws();
  program_.variables().ListsDue = false;
  const std::string recipients = TakeListRequesters();
  const ui::ListBox& serving_lists = program_.listdesignerFrm().ServingLists;
  const int list_count = serving_lists.count();
  const std::optional<std::string> custom_message =
      program_.variables().CustomMessages
          ? std::optional<std::string>(program_.messagesFrm().MailMessage())
          : std::nullopt;
  for (int list_number = 1; list_number <= list_count; ++list_number) {
    if (TickMustEnd(program_)) return TickFlow::kEndTick;
    const std::string note = MailNote(ListNoteLine(list_number), custom_message);
    // Read afresh after every wait: the List Designer owns the list, not this loop.
    for (int i = 0; i < serving_lists.count(); ++i) {
      const list_designer::ServingListPlace place =
          list_designer::SplitServingListEntry(serving_lists.item(i));
      if (LeadingNumber(place.list_number) != list_number) continue;
      vornik32::ForwardMailForClient(ws, recipients, note,
                                     AsPosition(LeadingNumber(place.mailbox_index)),
                                     vornik32::CloseAfter::kYes, program_.bounds());
      vornik32::WaitSeconds(ws, kPauseAfterListForward);
    }
  }
  vornik32::ChatSend(
      ws, serving_engine::BulletLine(ShownRecipients(recipients) + " " +
                                     std::to_string(serving_lists.count()) + " list(s) were sent"));
  vornik32::WaitSeconds(ws, kPauseAfterConfirmation);
  if (program_.menuFrm().AdvertisePendingNumber()) program_.serverFrm().AdvCommands();
  return TickFlow::kGoOn;
}

std::string ServingLoop::TakeListRequesters() {
  serving_engine::RequestQueue& lists = program_.serverFrm().Lists;
  std::string recipients;
  for (int taken = 0; taken < kListBatch && lists.Count() > 0; ++taken) {
    recipients += RecipientEntry(lists.Entry(0));
    lists.RemoveAt(0);
  }
  return recipients;
}

// An entry whose item text is not a whole number names no mail (only a loaded file could bring
// one, and the loader keeps them out; a number too large for any mailbox position is the same).
// It is dropped without a mail or a chat line, counts nothing, and the item step ends there:
// the next tick serves the next entry.
void ServingLoop::ItemStep() {
  serving_engine::ServerForm& server = program_.serverFrm();
  const std::string head = server.Requests.Entry(0);
  const std::optional<ItemEntry> item = SplitItemEntry(head);
  const std::optional<int> position =
      item ? MailboxPosition(item->item_text, program_.variables().ItemOffset) : std::nullopt;
  if (!position) {
    server.Requests.RemoveAt(0);
    EndFinishWhenAllServed();
    return;
  }
  const std::string requester(item->requester);
  const std::string item_text(item->item_text);
  std::string recipients = RecipientEntry(requester);
  server.AddToServed(requester);
  server.Requests.RemoveAt(0);
  recipients += TakeSameItemRequests(item_text);

  winsys::WindowSystem& ws = program_.ws();
  shared::Variables& variables = program_.variables();
  const std::optional<std::string> custom_message =
      variables.CustomMessages ? std::optional<std::string>(program_.messagesFrm().MailMessage())
                               : std::nullopt;
  vornik32::ForwardMailForClient(ws, recipients, MailNote(ItemNoteLine(item_text), custom_message),
                                 *position, vornik32::CloseAfter::kYes, program_.bounds());
  vornik32::WaitSeconds(ws, kPauseAfterItemForward);
  const std::string ending = variables.CustomMessages ? " " + program_.messagesFrm().ChatSuffix()
                                                      : std::string(" was sent");
  vornik32::ChatSend(
      ws, serving_engine::BulletLine(ShownRecipients(recipients) + " " + item_text + ending));
  vornik32::WaitSeconds(ws, kPauseAfterConfirmation);
  server.ShowServedCounts(server.MailsServed() + 1);
  AfterItemServed();
}

// The later requests for the same item text (compared exactly: 12 and 012 are different texts),
// oldest first, up to kLaterRequestsPerItem; each is counted as served and leaves the queue.
std::string ServingLoop::TakeSameItemRequests(std::string_view item_text) {
  serving_engine::ServerForm& server = program_.serverFrm();
  serving_engine::RequestQueue& requests = server.Requests;
  std::string recipients;
  int taken = 0;
  for (int i = 0; i < requests.Count();) {
    const std::string entry = requests.Entry(i);
    const std::optional<ItemEntry> other = SplitItemEntry(entry);
    if (!other || other->item_text != item_text) {
      ++i;
      continue;
    }
    if (taken == kLaterRequestsPerItem) break;
    ++taken;
    const std::string requester(other->requester);
    server.AddToServed(requester);
    recipients += RecipientEntry(requester);
    requests.RemoveAt(i);
  }
  return recipients;
}

void ServingLoop::AfterItemServed() {
  if (EndFinishWhenAllServed()) return;
  if (program_.menuFrm().AdvertisePendingNumber()) program_.serverFrm().AdvCommands();
}

bool ServingLoop::EndFinishWhenAllServed() {
  if (program_.serverFrm().Requests.Count() > 0 || !program_.variables().FinishRequested) {
    return false;
  }
  sequences_.RequestStopAfterFinish();
  return true;
}

// The names go into the room escaped: a screen name holds no markup, but a name that came from a
// loaded file may.
std::string ServingLoop::ShownRecipients(std::string recipients) {
  winsys::WindowSystem& ws = program_.ws();
  vornik32::ReplaceText(ws, recipients, "(", "");
  vornik32::ReplaceText(ws, recipients, ")", "");
  return EscapeHtml(recipients);
}

}  // namespace serving_loop
