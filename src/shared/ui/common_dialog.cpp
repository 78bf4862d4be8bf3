#include "shared/ui/common_dialog.h"

#include "shared/ui/owner_window.h"

namespace ui {

using namespace winsys;

CommonDialog::CommonDialog(OwnerWindow& owner) : owner_(owner) {}

void CommonDialog::set_filter(FileFilter filter) {
  spec_.filter_text = std::move(filter.text);
  spec_.filter_pattern = std::move(filter.pattern);
}

const std::string& CommonDialog::ShowOpen() {
  return Show(FileDialogKind::kOpen);
}

const std::string& CommonDialog::ShowSave() {
  return Show(FileDialogKind::kSave);
}

const std::string& CommonDialog::Show(FileDialogKind kind) {
  FileDialogSpec request = spec_;
  request.initial_name = file_name_;
  file_name_ = owner_.ws().FileDialog(owner_.hwnd(), kind, request);
  return file_name_;
}

}  // namespace ui
