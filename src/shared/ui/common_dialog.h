#pragma once
// The common open and save dialogs of a form, set up through properties as the designer's dialog
// control is: a title, a filter (the file-type text shown and its pattern), a default extension
// and the file name, which the dialog answers.

#include <string>

#include "shared/winsys/window_system.h"

namespace ui {

class OwnerWindow;

struct FileFilter {
  std::string text;     // what the dialog shows, such as "*.txt  (Text Files)"
  std::string pattern;  // such as "*.txt"
};

class CommonDialog {
 public:
  // The dialogs are owned by the owner's window (while it is loaded).
  explicit CommonDialog(OwnerWindow& owner);

  const std::string& dialog_title() const { return spec_.title; }
  void set_dialog_title(std::string title) { spec_.title = std::move(title); }
  FileFilter filter() const { return {spec_.filter_text, spec_.filter_pattern}; }
  void set_filter(FileFilter filter);
  // Without the dot; the dialog appends it to a name typed without an extension.
  const std::string& default_ext() const { return spec_.default_extension; }
  void set_default_ext(std::string extension) { spec_.default_extension = std::move(extension); }
  const std::string& file_name() const { return file_name_; }
  void set_file_name(std::string file_name) { file_name_ = std::move(file_name); }

  // Each shows its dialog with the file name as the initial name, waits for the answer while
  // the message loop runs, and sets the file name to the chosen path, or to the empty text on
  // Cancel. Answer the new file name.
  const std::string& ShowOpen();
  const std::string& ShowSave();

 private:
  const std::string& Show(winsys::FileDialogKind kind);

  OwnerWindow& owner_;
  winsys::FileDialogSpec spec_;
  std::string file_name_;
};

}  // namespace ui
