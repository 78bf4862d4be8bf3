#include "list_designer/list_designer_status_form.h"

#include "app/program.h"

namespace app {

list_designer::ListDesignerStatusForm& Program::listdesignerstatusFrm() {
  if (!list_designer_status_form_)
    list_designer_status_form_ = std::make_shared<list_designer::ListDesignerStatusForm>(*this);
  return *list_designer_status_form_;
}

}  // namespace app

namespace list_designer {

ListDesignerStatusForm::ListDesignerStatusForm(app::Program& program)
    : form(program.ws(), program.registry(), "listdesignerstatusFrm", "List Designer Status",
           {4560, 1215}),
      Label1(form, "Label1", "Please wait...", {120, 120, 4215, 285}),
      ProgressBar1(form, "ProgressBar1", {120, 480, 4215, 255}),
      program_(program) {}

ListDesignerStatusForm::~ListDesignerStatusForm() = default;

void ListDesignerStatusForm::Open() {}
void ListDesignerStatusForm::Close() {}
void ListDesignerStatusForm::SetStatus(std::string text) {
  Label1.set_caption(std::move(text));
}
void ListDesignerStatusForm::SetProgress(int percent) {
  ProgressBar1.set_value(percent);
}

}  // namespace list_designer
