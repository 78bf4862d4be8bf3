#include "list_designer/list_designer_form.h"

#include "app/program.h"

namespace app {

list_designer::ListDesignerForm& Program::listdesignerFrm() {
  if (!list_designer_form_)
    list_designer_form_ = std::make_shared<list_designer::ListDesignerForm>(*this);
  return *list_designer_form_;
}

}  // namespace app

namespace list_designer {

ListDesignerForm::ListDesignerForm(app::Program& program)
    : form(program.ws(), program.registry(), "listdesignerFrm", "List Designer", {4935, 3270}),
      Frame1(form, "Frame1", "Step:  1", {120, 120, 1575, 2655}),
      List1(Frame1, "List1", {105, 285, 1365, 2250}),
      Frame2(form, "Frame2", "Description", {1815, 120, 2880, 2655}),
      Label1(Frame2, "Label1", "", {105, 285, 2670, 1725}),
      Command1(Frame2, "Command1", "Old Lists", {105, 2160, 870, 345}),
      Command2(Frame2, "Command2", "Auto", {1005, 2160, 870, 345}),
      Command3(Frame2, "Command3", "Run", {1905, 2160, 870, 345}),
      MailList(form, "MailList", {0, 0, 1200, 1200}, ui::Visibility::kHidden),
      ServList(form, "ServList", "", {0, 0, 1200, 1200}, ui::TextBoxStyle::kMultiLine,
               ui::Visibility::kHidden),
      ServingLists(form, "ServingLists", {0, 0, 1200, 1200}, ui::Visibility::kHidden),
      program_(program) {}

ListDesignerForm::~ListDesignerForm() = default;

void ListDesignerForm::Show() {
  form.Show();
}
void ListDesignerForm::Form_Load() {}
void ListDesignerForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
}
void ListDesignerForm::List1_Click() {}
void ListDesignerForm::List1_DblClick() {}
void ListDesignerForm::Command1_Click() {}
void ListDesignerForm::Command2_Click() {}
void ListDesignerForm::Command3_Click() {}
void ListDesignerForm::Step1() {}
void ListDesignerForm::Step2() {}
void ListDesignerForm::Step3() {}
void ListDesignerForm::Step4() {}
void ListDesignerForm::RunAllSteps() {}
void ListDesignerForm::UseOldLists() {}

}  // namespace list_designer
