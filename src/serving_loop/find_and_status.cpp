#include "serving_loop/find_and_status.h"

#include "aol_automation/automation.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/list_results.h"
#include "serving_engine/server_form.h"
#include "serving_engine/settings.h"
#include "serving_loop/html_text.h"
#include "serving_loop/program_view.h"
#include "serving_loop/title_search.h"

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

FindAndStatus::FindAndStatus(ProgramView& program, FailedTries& failed_tries,
                             vornik32::LateWindowSweeper& late_windows)
    : program_(program), failed_tries_(failed_tries), late_windows_(late_windows) {}

TickFlow FindAndStatus::StatusStep() {
  serving_engine::RequestQueue& statuss = program_.queues().statuss;
  const int asked = statuss.Count();
  for (int i = 0; i < asked && statuss.Count() > 0; ++i) {
    if (TickMustEnd(program_)) return TickFlow::kEndTick;
    const std::string requester = statuss.Entry(0);
    statuss.RemoveAt(0);
    AnswerStatus(requester);
  }
  return TickFlow::kGoOn;
}

void FindAndStatus::AnswerStatus(const std::string& requester) {
  winsys::WindowSystem& ws = program_.ws();
  const int pending = program_.queues().requests.PendingFor(requester);
  vornik32::WaitSeconds(ws, kPauseAroundStatus);
  vornik32::ChatSend(ws,
                     serving_engine::BulletLine(EscapeHtml(requester) + ", you have " +
                                                std::to_string(pending) + " request(s) pending"));
  vornik32::WaitSeconds(ws, kPauseAroundStatus);
}

TickFlow FindAndStatus::FindStep() {
  serving_engine::RequestQueue& finds = program_.queues().finds;
  failed_tries_.KeepOnlyQueued(QueueKind::kFinds, finds);
  const int asked = finds.Count();
  for (int i = 0; i < asked && finds.Count() > 0; ++i) {
    if (TickMustEnd(program_)) return TickFlow::kEndTick;
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
  if (program_.settings().AdvertisePendingNumber()) program_.serverFrm().AdvCommands();
  return TickFlow::kGoOn;
}

bool FindAndStatus::AnswerFind(std::string_view requester, std::string_view words) {
  winsys::WindowSystem& ws = program_.ws();
  const SearchResults results = SearchTitles(program_.listResults().MailTitles(), words,
                                             program_.settings().MaxFindsToReturn());
  // Echoed back lower-cased as searched, and escaped: the words are the requester's.
  const std::string shown_words = Quoted(EscapeHtml(vornik32::LowerCase(words)));
  const std::string shown_requester = EscapeHtml(requester);
  if (results.matches == 0) {
    vornik32::WaitSeconds(ws, kPauseBeforeMiss);
    vornik32::ChatSend(ws, serving_engine::BulletLine(shown_requester + ", your search for " +
                                                      shown_words + " was not found"));
    return true;
  }
  // The mail's subject is plain text: the client shows it as typed, unlike the room.
  const std::string subject = serving_engine::BulletLine("tollmere search results for " +
                                                         Quoted(vornik32::LowerCase(words)));
  if (!MailResults(requester, subject, results.text)) return false;
  vornik32::ChatSend(
      ws, serving_engine::BulletLine(shown_requester + ", " + std::to_string(results.matches) +
                                     " search result(s) for " + shown_words + " were sent"));
  vornik32::WaitSeconds(ws, kPauseAfterResults);
  return true;
}

void FindAndStatus::FindNotSent(const std::string& entry, std::string_view requester,
                                std::string_view words) {
  if (!failed_tries_.CountFailure(QueueKind::kFinds, entry)) {
    program_.queues().finds.InsertAt(0, entry);
    return;
  }
  failed_tries_.CountMailNotSent();
  winsys::WindowSystem& ws = program_.ws();
  vornik32::ChatSend(
      ws, serving_engine::BulletLine(EscapeHtml(requester) + ", the search results for " +
                                     Quoted(EscapeHtml(vornik32::LowerCase(words))) +
                                     " could not be sent"));
  vornik32::WaitSeconds(ws, kPauseAfterResults);
}

// A mail that could not be written, or whose Write Mail window would not close, did not go: the
// requester is not told that it did.
bool FindAndStatus::MailResults(std::string_view requester, const std::string& subject,
                                const std::string& text) {
  const vornik32::MailResult result = vornik32::SendMailAndWaitForClient(
      program_.ws(), requester, subject, text, kPauseBetweenSendClicks, program_.bounds());
  late_windows_.Watch(result);
  return result.sent();
}

}  // namespace serving_loop
