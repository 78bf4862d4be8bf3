#include "shared/ui/common_dialog.h"

#include "shared/ui/form.h"

namespace ui {

using namespace winsys;

CommonDialog::CommonDialog(Form& form) : form_(form) {}

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
  file_name_ = form_.ws().FileDialog(form_.hwnd(), kind, request);
  return file_name_;
}

}  // namespace ui
