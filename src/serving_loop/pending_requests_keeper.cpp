#include "serving_loop/pending_requests_keeper.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "aol_automation/text_files.h"
#include "serving_engine/server_form.h"
#include "serving_loop/pending_requests.h"
#include "serving_loop/program_view.h"
#include "shared/addresses.h"
#include "shared/ui/message_box.h"

namespace serving_loop {
namespace {

// The requests the file offers: its servable lines, each once, as loading would add them to an
// empty queue.
int DistinctServableLines(const std::string& content) {
  const std::vector<std::string> lines = ServableRequestLines(content);
  return static_cast<int>(std::set<std::string>(lines.begin(), lines.end()).size());
}

}  // namespace

PendingRequestsKeeper::PendingRequestsKeeper(ProgramView& program, std::string path)
    : program_(program), path_(std::move(path)) {}

void PendingRequestsKeeper::OfferSavedRequests() {
  if (!Keeping()) return;
  const std::optional<std::string> content = vornik32::ReadTextFile(path_);
  if (!content) return;
  const int offered = DistinctServableLines(*content);
  if (offered == 0) return;
  serving_engine::ServerForm& server = program_.serverFrm();
  const ui::MsgBoxAnswer answer =
      ui::MsgBox(program_.ws(), server.form.hwnd(),
                 "Load the " + std::to_string(offered) +
                     " requests that were pending when tollmere last ended?",
                 ui::MsgBoxButtons::kYesNo, ui::MsgBoxIcon::kQuestion, shared::kProgramTitle);
  if (answer != ui::MsgBoxAnswer::kYes || program_.ended()) return;
  AddLoadedRequests(program_.queues().requests, *content);
}

void PendingRequestsKeeper::BeginServing() {
  if (!Keeping()) return;
  serving_ = true;
  SaveNow();
}

void PendingRequestsKeeper::SaveIfDue() {
  if (!serving_ || QueueChanges() == saved_changes_) return;
  if (program_.ws().clock().Now() - last_save_time_ < kSaveSpacing) return;
  SaveNow();
}

void PendingRequestsKeeper::EndServing() {
  if (!serving_) return;
  serving_ = false;
  if (SaveNow() || program_.ended()) return;
  ui::MsgBox(program_.ws(), program_.serverFrm().form.hwnd(),
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
  const std::vector<std::string>& queued = program_.queues().requests.list().items();
  pending.insert(pending.end(), queued.begin(), queued.end());
  saved_changes_ = QueueChanges();
  last_save_time_ = program_.ws().clock().Now();
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
  return program_.queues().requests.changes() + in_flight_changes_;
}

}  // namespace serving_loop
