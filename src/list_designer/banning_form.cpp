#include "list_designer/banning_form.h"

#include "app/program.h"

namespace app {

list_designer::BanningForm& Program::banningFrm() {
  if (!banning_form_) banning_form_ = std::make_shared<list_designer::BanningForm>(*this);
  return *banning_form_;
}

}  // namespace app

namespace list_designer {

BanningForm::BanningForm(app::Program& program)
    : form(program.ws(), program.registry(), "banningFrm", "Banning", {3120, 4005}),
      Combo1(form, "Combo1", {120, 120, 2775, 315}),
      Frame1(form, "Frame1", "Banned:  0", {120, 540, 2775, 2895}),
      List1(Frame1, "List1", {120, 285, 2535, 2490}),
      program_(program) {}

BanningForm::~BanningForm() = default;

void BanningForm::Show() {
  form.Show();
}
bool BanningForm::IsBanned(std::string_view) const {
  return false;
}
void BanningForm::Form_Load() {}
void BanningForm::Form_Activate() {}
void BanningForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
}
void BanningForm::Combo1_KeyPress(char&) {}
void BanningForm::List1_DblClick() {}

}  // namespace list_designer
