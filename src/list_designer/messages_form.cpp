#include "list_designer/messages_form.h"

#include "app/program.h"

namespace app {

list_designer::MessagesForm& Program::messagesFrm() {
  if (!messages_form_) messages_form_ = std::make_shared<list_designer::MessagesForm>(*this);
  return *messages_form_;
}

}  // namespace app

namespace list_designer {

MessagesForm::MessagesForm(app::Program& program)
    : form(program.ws(), program.registry(), "messagesFrm", "Server Messages", {4800, 4200}),
      Frame1(form, "Frame1", "Chat Suffix:", {120, 120, 4455, 690}),
      Text1(Frame1, "Text1", "was sent", {120, 285, 4215, 285}),
      Frame2(form, "Frame2", "Mail Message:", {120, 900, 4455, 2415}),
      Text2(Frame2, "Text2", "Message here.\r\n", {120, 285, 4215, 2010},
            ui::TextBoxStyle::kMultiLine),
      Command1(form, "Command1", "Load", {120, 3405, 1335, 345}),
      Command2(form, "Command2", "Save", {3240, 3405, 1335, 345}),
      CommonDialog1(form),
      program_(program) {}

MessagesForm::~MessagesForm() = default;

void MessagesForm::Show() {
  form.Show();
}
std::string MessagesForm::ChatSuffix() const {
  return Text1.text();
}
std::string MessagesForm::MailMessage() const {
  return Text2.text();
}
void MessagesForm::Form_Load() {}
void MessagesForm::Form_Activate() {}
void MessagesForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
}
void MessagesForm::Command1_Click() {}
void MessagesForm::Command2_Click() {}

}  // namespace list_designer
