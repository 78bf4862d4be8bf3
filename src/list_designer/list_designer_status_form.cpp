#include "list_designer/list_designer_status_form.h"

#include "shared/ui/stay_on_top.h"

namespace list_designer {

ListDesignerStatusForm::ListDesignerStatusForm(winsys::WindowSystem& ws, ui::Registry& registry)
    : form(ws, registry, "listdesignerstatusFrm", "List Designer Status", {4560, 1215}),
      Label1(form, "Label1", "Please wait...", {120, 120, 4215, 285}),
      ProgressBar1(form, "ProgressBar1", {120, 480, 4215, 255}) {
  form.set_font_name("Arial");
  form.on_load = [this] { ui::StayOnTop(form.ws(), form.hwnd()); };
}

ListDesignerStatusForm::~ListDesignerStatusForm() = default;

// Loaded afresh for every procedure, so each starts with "Please wait..." and an empty bar.
void ListDesignerStatusForm::Open() {
  if (form.is_loaded()) form.Unload();
  form.Show();
}

void ListDesignerStatusForm::Close() {
  form.Unload();
}

void ListDesignerStatusForm::SetStatus(std::string text) {
  Label1.set_caption(std::move(text));
}

void ListDesignerStatusForm::SetProgress(int percent) {
  ProgressBar1.set_value(percent);
}

}  // namespace list_designer
