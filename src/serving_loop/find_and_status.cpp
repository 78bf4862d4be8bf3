#include "serving_loop/find_and_status.h"

#include "aol_automation/automation.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/list_results.h"
#include "serving_engine/server_form.h"
#include "serving_engine/settings.h"
#include "serving_loop/html_text.h"
#include "serving_loop/title_search.h"
#include "shared/winsys/wait.h"

namespace serving_loop {

namespace {

constexpr double kPauseAroundStatus = 0.5;
constexpr double kPauseBeforeMiss = 1.0;
constexpr double kPauseBetweenSendClicks = 1.0;
constexpr double kPauseAfterResults = 0.5;

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

FindAndStatus::FindAndStatus(winsys::WindowSystem& ws, serving_engine::ServerForm& server,
                             const shared::Variables& variables, const shared::ProgramEnd& end,
                             const serving_engine::Settings& settings,
                             const serving_engine::ListResults& results,
                             const vornik32::WaitBounds& bounds, FailedTries& failed_tries,
                             vornik32::LateWindowSweeper& late_windows)
    : ws_(ws),
      server_(server),
      variables_(variables),
      end_(end),
      settings_(settings),
      results_(results),
      bounds_(bounds),
      failed_tries_(failed_tries),
      late_windows_(late_windows) {}

TickFlow FindAndStatus::StatusStep() {
  serving_engine::RequestQueue& statuss = server_.queues().statuss;
  const int asked = statuss.Count();
  for (int i = 0; i < asked && statuss.Count() > 0; ++i) {
    if (TickMustEnd(variables_, end_)) return TickFlow::kEndTick;
    const std::string requester = statuss.Entry(0);
    statuss.RemoveAt(0);
    AnswerStatus(requester);
  }
  return TickFlow::kGoOn;
}

void FindAndStatus::AnswerStatus(const std::string& requester) {
  const int pending = server_.queues().requests.PendingFor(requester);
  winsys::WaitSeconds(ws_, kPauseAroundStatus);
  vornik32::ChatSend(ws_,
                     serving_engine::BulletLine(EscapeHtml(requester) + ", you have " +
                                                std::to_string(pending) + " request(s) pending"));
  winsys::WaitSeconds(ws_, kPauseAroundStatus);
}

TickFlow FindAndStatus::FindStep() {
  serving_engine::RequestQueue& finds = server_.queues().finds;
  failed_tries_.KeepOnlyQueued(QueueKind::kFinds, finds);
  const int asked = finds.Count();
  for (int i = 0; i < asked && finds.Count() > 0; ++i) {
    if (TickMustEnd(variables_, end_)) return TickFlow::kEndTick;
    const std::string entry = finds.Entry(0);
    const std::string requester(serving_engine::RequesterOf(entry));
    const auto separator = entry.find(serving_engine::kEntrySeparator);
    const std::string words =
        separator == std::string::npos
            ? std::string()
            : Trimmed(std::string_view(entry).substr(
                  separator + std::string_view(serving_engine::kEntrySeparator).size()));
    finds.RemoveAt(0);
    if (AnswerFind(requester, words)) {
      failed_tries_.Forget(QueueKind::kFinds, entry);
      continue;
    }
    // Tried again on a later tick, after the tick's other work, not at once in this one.
    FindNotSent(entry, requester, words);
    break;
  }
  if (settings_.AdvertisePendingNumber()) server_.AdvCommands();
  return TickFlow::kGoOn;
}

bool FindAndStatus::AnswerFind(std::string_view requester, std::string_view words) {
  const SearchResults results =
      SearchTitles(results_.MailTitles(), words, settings_.MaxFindsToReturn());
  // Echoed back lower-cased as searched, and escaped: the words are the requester's.
  const std::string shown_words = Quoted(EscapeHtml(vornik32::LowerCase(words)));
  const std::string shown_requester = EscapeHtml(requester);
  if (results.matches == 0) {
    winsys::WaitSeconds(ws_, kPauseBeforeMiss);
    vornik32::ChatSend(ws_, serving_engine::BulletLine(shown_requester + ", your search for " +
                                                       shown_words + " was not found"));
    return true;
  }
  // The mail's subject is plain text: the client shows it as typed, unlike the room.
  const std::string subject = serving_engine::BulletLine("tollmere search results for " +
                                                         Quoted(vornik32::LowerCase(words)));
  if (!MailResults(requester, subject, results.text)) return false;
  vornik32::ChatSend(
      ws_, serving_engine::BulletLine(shown_requester + ", " + std::to_string(results.matches) +
                                      " search result(s) for " + shown_words + " were sent"));
  winsys::WaitSeconds(ws_, kPauseAfterResults);
  return true;
}

void FindAndStatus::FindNotSent(const std::string& entry, std::string_view requester,
                                std::string_view words) {
  if (!failed_tries_.CountFailure(QueueKind::kFinds, entry)) {
    server_.queues().finds.InsertAt(0, entry);
    return;
  }
  failed_tries_.CountMailNotSent();
  vornik32::ChatSend(
      ws_, serving_engine::BulletLine(EscapeHtml(requester) + ", the search results for " +
                                      Quoted(EscapeHtml(vornik32::LowerCase(words))) +
                                      " could not be sent"));
  winsys::WaitSeconds(ws_, kPauseAfterResults);
}

// A mail that could not be written, or whose Write Mail window would not close, did not go: the
// requester is not told that it did.
bool FindAndStatus::MailResults(std::string_view requester, const std::string& subject,
                                const std::string& text) {
  const vornik32::MailResult result = vornik32::SendMailAndWaitForClient(
      ws_, requester, subject, text, kPauseBetweenSendClicks, bounds_);
  late_windows_.Watch(result);
  return result.sent();
}

}  // namespace serving_loop
