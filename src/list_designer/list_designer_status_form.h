#pragma once
// The List Designer's progress window: a status line and a bar from 0 to 100. It is loaded at
// the start of each long procedure and unloaded at its end, so every run starts with
// "Please wait..." and an empty bar; while it is loaded the designer takes no input.

#include <string>

#include "shared/ui/form.h"
#include "shared/ui/label.h"
#include "shared/ui/progress_bar.h"

namespace list_designer {

class ProgramView;

class ListDesignerStatusForm {
 public:
  explicit ListDesignerStatusForm(ProgramView& program);
  ~ListDesignerStatusForm();
  ListDesignerStatusForm(const ListDesignerStatusForm&) = delete;
  ListDesignerStatusForm& operator=(const ListDesignerStatusForm&) = delete;

  // Loads and shows the window and disables the designer.
  void Open();
  // Unloads the window and enables the designer again.
  void Close();
  void SetStatus(std::string text);
  void SetProgress(int percent);

  ui::Form form;
  ui::Label Label1;
  ui::ProgressBar ProgressBar1;

 private:
  ProgramView& program_;
};

}  // namespace list_designer
