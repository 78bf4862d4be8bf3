#include "list_designer/list_designer_status_form.h"

#include "aol_automation/window_operations.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/program_view.h"
#include "shared/ui/stay_on_top.h"

namespace list_designer {

ListDesignerStatusForm::ListDesignerStatusForm(ProgramView& program)
    : form(program.ws(), program.registry(), "listdesignerstatusFrm", "List Designer Status",
           {4560, 1215}),
      Label1(form, "Label1", "Please wait...", {120, 120, 4215, 285}),
      ProgressBar1(form, "ProgressBar1", {120, 480, 4215, 255}),
      program_(program) {
  form.set_font_name("Arial");
  form.on_load = [this] { ui::StayOnTop(program_.ws(), form.hwnd()); };
}

ListDesignerStatusForm::~ListDesignerStatusForm() = default;

// Loaded afresh for every procedure, so each starts with "Please wait..." and an empty bar. The
// designer is disabled meanwhile, which keeps a second procedure from starting, and the pointer
// is the hourglass.
void ListDesignerStatusForm::Open() {
  if (form.is_loaded()) form.Unload();
  form.Show();
  program_.listdesignerFrm().form.Disable();
  program_.ws().SetPointerShape(winsys::PointerShape::kBusy);
}

void ListDesignerStatusForm::Close() {
  form.Unload();
  program_.listdesignerFrm().form.Enable();
  program_.ws().SetPointerShape(winsys::PointerShape::kNormal);
}

void ListDesignerStatusForm::SetStatus(std::string text) {
  Label1.set_caption(std::move(text));
}

void ListDesignerStatusForm::SetProgress(int percent) {
  ProgressBar1.set_value(percent);
}

}  // namespace list_designer
