#pragma once
// The pending-requests file: the item queue saved to a file, one entry a line, and loaded back
// behind the entries already queued. Both ask for the file with the common file dialog (files of
// the type "Requests  (*.req)"); a file that cannot be written or read is reported in a message
// box that names it.

#include <memory>
#include <string>

#include "shared/winsys/window_system.h"

namespace serving_engine {
class RequestQueue;
}

namespace ui {
class CommonDialog;
class OwnerWindow;
}  // namespace ui

namespace serving_loop {

class RequestsFile {
 public:
  // The dialogs and boxes belong to owner (the server window); requests is the item queue.
  RequestsFile(ui::OwnerWindow& owner, serving_engine::RequestQueue& requests);
  ~RequestsFile();
  RequestsFile(const RequestsFile&) = delete;
  RequestsFile& operator=(const RequestsFile&) = delete;

  void LoadRequests();
  void SaveRequests();

 private:
  // The chosen file name, or the empty text when the user cancelled (or chose only blanks).
  std::string ChooseFile(const char* title, winsys::FileDialogKind kind);
  void ShowFailure(const std::string& text);

  ui::OwnerWindow& owner_;
  serving_engine::RequestQueue& requests_;
  std::unique_ptr<ui::CommonDialog> dialog_;
};

}  // namespace serving_loop
