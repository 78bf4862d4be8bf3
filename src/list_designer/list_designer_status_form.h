#pragma once
// The List Designer's progress window: a status line and a bar from 0 to 100. It is loaded at
// the start of each long procedure and unloaded at its end, so every run starts with
// "Please wait..." and an empty bar. The designer disables itself meanwhile.

#include <string>

#include "shared/ui/form.h"
#include "shared/ui/label.h"
#include "shared/ui/progress_bar.h"

namespace list_designer {

class ListDesignerStatusForm {
 public:
  ListDesignerStatusForm(winsys::WindowSystem& ws, ui::Registry& registry);
  ~ListDesignerStatusForm();
  ListDesignerStatusForm(const ListDesignerStatusForm&) = delete;
  ListDesignerStatusForm& operator=(const ListDesignerStatusForm&) = delete;

  // Loads the window afresh and shows it.
  void Open();
  void Close();
  void SetStatus(std::string text);
  void SetProgress(int percent);

  ui::Form form;
  ui::Label Label1;
  ui::ProgressBar ProgressBar1;
};

}  // namespace list_designer
