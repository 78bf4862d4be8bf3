#pragma once
// `clientcheckFrm`: what the program sees of the client, one row a window or control it relies
// on (found, not found or cannot check now, what was looked for and what stands there), for the
// layout it finds. It only reads the client, so it may be open while serving; it never disables
// the server window. Refresh reads again (so does showing the window); Copy puts the report on
// the clipboard; Save... writes the report and, beside it under the same name with ".json", a
// capture of the client's window tree; the check box leaves screen names and subjects out of
// both.

#include <string>

#include "aol_automation/client_check.h"
#include "shared/ui/button.h"
#include "shared/ui/check_box.h"
#include "shared/ui/common_dialog.h"
#include "shared/ui/form.h"
#include "shared/ui/label.h"
#include "shared/ui/list_box.h"

namespace serving_loop {

class ClientCheckForm {
 public:
  ClientCheckForm(winsys::WindowSystem& ws, ui::Registry& registry);
  ~ClientCheckForm();
  ClientCheckForm(const ClientCheckForm&) = delete;
  ClientCheckForm& operator=(const ClientCheckForm&) = delete;

  // Shows the window (loading it the first time) with a fresh reading, as the menu entry does.
  void Show();

  ui::Form form;
  ui::Label Label1;     // the layout and how it was told
  ui::ListBox List1;    // one row a line
  ui::CheckBox Check1;  // leave out names and subjects
  ui::Label Label2;     // what became of the last Save...
  ui::Button Command1;  // Refresh
  ui::Button Command2;  // Copy
  ui::Button Command3;  // Save...
  ui::Button Command4;  // Close
  ui::CommonDialog CommonDialog1;

  void Form_Load();
  void Form_QueryUnload(ui::CloseAction& action);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  vornik32::Names NamesChosen() const;

  winsys::WindowSystem& ws_;
  vornik32::ClientReading reading_;
};

}  // namespace serving_loop
