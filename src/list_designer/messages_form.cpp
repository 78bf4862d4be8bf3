#include "list_designer/messages_form.h"

#include "aol_automation/automation.h"
#include "shared/ui/stay_on_top.h"

namespace list_designer {
namespace {

constexpr char kTextExtension[] = ".txt";

}  // namespace

MessagesForm::MessagesForm(winsys::WindowSystem& ws, ui::Registry& registry,
                           ui::OwnerWindow& server, shared::Variables& variables)
    : form(ws, registry, "messagesFrm", "Server Messages", {4800, 4200}),
      Frame1(form, "Frame1", "Chat Suffix:", {120, 120, 4455, 690}),
      Text1(Frame1, "Text1", "was sent", {120, 285, 4215, 285}),
      Frame2(form, "Frame2", "Mail Message:", {120, 900, 4455, 2415}),
      Text2(Frame2, "Text2", "Message here.\r\n", {120, 285, 4215, 2010},
            ui::TextBoxStyle::kMultiLine),
      Command1(form, "Command1", "Load", {120, 3405, 1335, 345}),
      Command2(form, "Command2", "Save", {3240, 3405, 1335, 345}),
      CommonDialog1(form),
      server_(server),
      variables_(variables) {
  form.set_font_name("Arial");
  form.on_load = [this] { Form_Load(); };
  form.on_activate = [this] { Form_Activate(); };
  form.on_close = [this](ui::CloseAction& action) { Form_QueryUnload(action); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
}

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

void MessagesForm::Form_Load() {
  ui::StayOnTop(form.ws(), form.hwnd());
}

void MessagesForm::Form_Activate() {
  server_.Disable();
}

// Closing the window once is what puts the texts in force, changed or not.
void MessagesForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
  server_.Enable();
  variables_.CustomMessages = true;
}

// A cancelled dialog or a file that cannot be read leaves the message as it was.
void MessagesForm::Command1_Click() {
  CommonDialog1.set_dialog_title("Select message");
  CommonDialog1.set_filter({"*.*  (All Files)", "*.*"});
  const std::string path = CommonDialog1.ShowOpen();
  if (path.empty()) return;
  if (const auto content = vornik32::ReadTextFile(path)) Text2.set_text(*content);
}

// The extension is looked for anywhere in the name and in small letters only, so "notes.TXT"
// becomes "notes.TXT.txt". A cancelled dialog or a file that cannot be written changes nothing.
void MessagesForm::Command2_Click() {
  CommonDialog1.set_dialog_title("Type a filename");
  CommonDialog1.set_filter({"*.txt  (Text Files)", "*.txt"});
  const std::string chosen = CommonDialog1.ShowSave();
  if (chosen.empty()) return;
  std::string path = chosen;
  if (path.find(kTextExtension) == std::string::npos) path += kTextExtension;
  vornik32::WriteTextFile(path, Text2.text());
}

}  // namespace list_designer
