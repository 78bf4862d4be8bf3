#include "serving_loop/requests_file.h"

#include "aol_automation/text_files.h"
#include "serving_engine/request_queue.h"
#include "serving_loop/pending_requests.h"
#include "shared/addresses.h"
#include "shared/ui/common_dialog.h"
#include "shared/ui/message_box.h"
#include "shared/ui/owner_window.h"

namespace serving_loop {

namespace {

constexpr char kSaveTitle[] = "Type a Filename";
constexpr char kLoadTitle[] = "Select a File";

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

RequestsFile::RequestsFile(ui::OwnerWindow& owner, serving_engine::RequestQueue& requests)
    : owner_(owner), requests_(requests) {}

RequestsFile::~RequestsFile() = default;

// Writing goes through WriteTextFile, which puts the new text beside the file and renames it
// over the old one: a save that fails half-way leaves the previous file as it was.
void RequestsFile::SaveRequests() {
  const std::string path = ChooseFile(kSaveTitle, winsys::FileDialogKind::kSave);
  if (path.empty()) return;
  if (vornik32::WriteTextFile(path, JoinPendingRequests(requests_.list().items())) !=
      vornik32::WriteResult::kWritten) {
    ShowFailure("The requests could not be saved to " + path + "!");
  }
}

// A file that is not a regular one (a pipe, a device) or is beyond the size bound is refused
// before anything is queued. Only lines the serving loop can serve are taken (see
// IsServableItemEntry): an empty line, a line without " - " or without a whole item number after
// it, or a requester no screen name could be is skipped without a word, so that a hand-edited file
// or the wrong file fills the queue with nothing that would be mailed wrongly or dropped later.
void RequestsFile::LoadRequests() {
  const std::string path = ChooseFile(kLoadTitle, winsys::FileDialogKind::kOpen);
  if (path.empty()) return;
  const vornik32::TextFileRead file = vornik32::ReadTextFileOrWhy(path);
  if (!file.read()) {
    ShowFailure("The requests could not be read from " + path + ": " +
                vornik32::ReadFailureText(file.result) + "!");
    return;
  }
  AddLoadedRequests(requests_, file.content);
}

// The dialog belongs to the server window, so that the server takes no clicks while a file is
// being chosen (the timers, and serving, go on).
std::string RequestsFile::ChooseFile(const char* title, winsys::FileDialogKind kind) {
  if (!dialog_) dialog_ = std::make_unique<ui::CommonDialog>(owner_);
  dialog_->set_dialog_title(title);
  dialog_->set_filter({"Requests  (*.req)", "*.req"});
  dialog_->set_default_ext("req");
  const std::string chosen =
      kind == winsys::FileDialogKind::kSave ? dialog_->ShowSave() : dialog_->ShowOpen();
  return IsBlank(chosen) ? std::string() : chosen;
}

void RequestsFile::ShowFailure(const std::string& text) {
  ui::MsgBox(owner_.ws(), owner_.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kCritical,
             shared::kProgramTitle);
}

}  // namespace serving_loop
