#include "serving_loop/pending_requests_keeper.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "aol_automation/text_files.h"
#include "serving_engine/request_queue.h"
#include "serving_loop/pending_requests.h"
#include "shared/addresses.h"
#include "shared/program_end.h"
#include "shared/ui/message_box.h"
#include "shared/ui/owner_window.h"
#include "shared/winsys/disk.h"

namespace serving_loop {
namespace {

constexpr int kMostKeptFiles = 1000;

// Only line breaks and blanks: what an emptied queue leaves, nothing to lose.
bool HoldsNothing(const std::string& content) {
  return content.find_first_not_of("\r\n ") == std::string::npos;
}

bool IsMissing(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() ==
         std::filesystem::file_type::not_found;
}

// "tollmere-pending.req" kept as "tollmere-pending-kept-1.req": still a requests file that Load
// Requests lists.
std::string KeptName(const std::string& path, int number) {
  const std::filesystem::path given(path);
  std::filesystem::path kept = given;
  kept.replace_filename(given.stem().string() + "-kept-" + std::to_string(number) +
                        given.extension().string());
  return kept.string();
}

}  // namespace

PendingRequestsKeeper::PendingRequestsKeeper(ui::OwnerWindow& owner,
                                             serving_engine::RequestQueue& requests,
                                             const shared::ProgramEnd& end)
    : owner_(owner), requests_(requests), end_(end) {}

// A file that is there is never lost: what is not loaded from it is moved aside under a name the
// user is told, before the first save could replace it.
void PendingRequestsKeeper::OfferSavedRequests() {
  if (!Keeping()) return;
  const vornik32::TextFileRead file = vornik32::ReadTextFileOrWhy(path_);
  if (!file.read()) {
    if (!IsMissing(path_)) {
      KeepAside("The pending requests file " + path_ + " could not be read (" +
                vornik32::ReadFailureText(file.result) + ")");
    }
    return;
  }
  if (HoldsNothing(file.content)) return;
  const std::vector<std::string> servable = ServableRequestLines(file.content);
  if (servable.empty()) {
    KeepAside("The pending requests file " + path_ + " could not be read (it holds no requests)");
    return;
  }
  const std::vector<std::string> loadable = LoadableRequests(requests_, file.content);
  const ui::MsgBoxAnswer answer =
      ui::MsgBox(owner_.ws(), owner_.hwnd(),
                 "Load the " + std::to_string(loadable.size()) +
                     " requests that were pending when tollmere last ended?",
                 ui::MsgBoxButtons::kYesNo, ui::MsgBoxIcon::kQuestion, shared::kProgramTitle);
  if (end_.ended()) return;
  if (answer != ui::MsgBoxAnswer::kYes) {
    KeepAside("The pending requests file " + path_ + " was not loaded");
    return;
  }
  const std::size_t distinct = std::set<std::string>(servable.begin(), servable.end()).size();
  AddLoadedRequests(requests_, file.content);
  if (loadable.size() < distinct)
    KeepAside("The pending requests file " + path_ + " held more than the queue can take");
}

void PendingRequestsKeeper::KeepAside(const std::string& why) {
  std::string kept;
  for (int number = 1; number <= kMostKeptFiles && kept.empty(); ++number) {
    if (winsys::MoveWithoutReplacing(path_, KeptName(path_, number))) {
      kept = KeptName(path_, number);
    }
  }
  std::string text = why + "; it was kept as " + kept + ".";
  if (kept.empty()) {
    // Saving would replace it: rather keep nothing in this run.
    text = why +
           "; it could not be moved aside, so it is left as it is and the pending requests "
           "are not kept while this run serves.";
    path_.clear();
  }
  ui::MsgBox(owner_.ws(), owner_.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kExclamation,
             shared::kProgramTitle);
}

void PendingRequestsKeeper::BeginServing() {
  if (!Keeping()) return;
  serving_ = true;
  SaveNow();
}

void PendingRequestsKeeper::SaveIfDue() {
  if (!serving_ || QueueChanges() == saved_changes_) return;
  if (owner_.ws().clock().Now() - last_save_time_ < kSaveSpacing) return;
  SaveNow();
}

void PendingRequestsKeeper::EndServing() {
  if (!serving_) return;
  serving_ = false;
  if (SaveNow() || end_.ended()) return;
  ui::MsgBox(owner_.ws(), owner_.hwnd(),
             "The pending requests could not be saved to " + path_ + "!", ui::MsgBoxButtons::kOk,
             ui::MsgBoxIcon::kExclamation, shared::kProgramTitle);
}

void PendingRequestsKeeper::HoldInFlight(std::vector<std::string> entries) {
  in_flight_ = std::move(entries);
  ++in_flight_changes_;
}

void PendingRequestsKeeper::ReleaseInFlight() {
  in_flight_.clear();
  ++in_flight_changes_;
}

bool PendingRequestsKeeper::SaveNow() {
  std::vector<std::string> pending = in_flight_;
  const std::vector<std::string>& queued = requests_.list().items();
  pending.insert(pending.end(), queued.begin(), queued.end());
  saved_changes_ = QueueChanges();
  last_save_time_ = owner_.ws().clock().Now();
  bool saved = false;
  if (pending.empty()) {
    std::error_code error;
    std::filesystem::remove(path_, error);
    saved = !error;
  } else {
    saved = vornik32::WriteTextFile(path_, JoinPendingRequests(pending)) ==
            vornik32::WriteResult::kWritten;
  }
  // A failed write is tried again at the next look, not only after the next change.
  if (!saved) --saved_changes_;
  return saved;
}

std::uint64_t PendingRequestsKeeper::QueueChanges() const {
  return requests_.changes() + in_flight_changes_;
}

}  // namespace serving_loop
