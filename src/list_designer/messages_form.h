#pragma once
// The Messages window: the user's own ending of the chat line that reports a served request
// (`Text1`) and paragraph of the mail note (`Text2`), the latter loaded from and saved to a text
// file. The serving loop uses them once the window has been closed the first time
// (`CustomMessages`).

#include <string>

#include "shared/ui/button.h"
#include "shared/ui/common_dialog.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/owner_window.h"
#include "shared/ui/text_box.h"
#include "shared/variables.h"

namespace list_designer {

class MessagesForm {
 public:
  // server: the window disabled while this one is at the front.
  MessagesForm(winsys::WindowSystem& ws, ui::Registry& registry, ui::OwnerWindow& server,
               shared::Variables& variables);
  ~MessagesForm();
  MessagesForm(const MessagesForm&) = delete;
  MessagesForm& operator=(const MessagesForm&) = delete;

  // Makes the window visible (loading it the first time), as the main menu's entry does.
  void Show();

  // The texts the serving loop reads while `CustomMessages` is true.
  std::string ChatSuffix() const;   // Text1
  std::string MailMessage() const;  // Text2

  ui::Form form;
  ui::Frame Frame1;
  ui::TextBox Text1;
  ui::Frame Frame2;
  ui::TextBox Text2;
  ui::Button Command1;
  ui::Button Command2;
  ui::CommonDialog CommonDialog1;

  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload(ui::CloseAction& action);
  void Command1_Click();
  void Command2_Click();

 private:
  ui::OwnerWindow& server_;
  shared::Variables& variables_;
};

}  // namespace list_designer
