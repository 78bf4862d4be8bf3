#pragma once
// A form built with the kit the way the program's forms are: controls as members named as in a
// design, a frame holding a list, hidden lists, a menu with submenus, separators and check marks,
// and two timers. Every event handler writes its name to the form's event log.

#include <string>
#include <vector>

#include "shared/ui/button.h"
#include "shared/ui/combo_box.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/label.h"
#include "shared/ui/list_box.h"
#include "shared/ui/menu.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/progress_bar.h"
#include "shared/ui/status_bar.h"
#include "shared/ui/text_box.h"
#include "shared/ui/timer.h"
#include "shared/ui/toolbar.h"

namespace ui::testing {

class TestForm {
 public:
  TestForm(winsys::WindowSystem& ws, Registry& registry, std::string name = "testFrm");

  // Entries of the event log since the last call, and the log emptied.
  std::vector<std::string> TakeEvents();
  int CountOf(const std::string& event) const;

  Form form;
  Toolbar Toolbar1{form, "Toolbar1", {0, 0, 4605, 420}};
  Button Command1{form, "Command1", "Start", {45, 75, 900, 285}};
  Button Command2{form, "Command2", "Pause", {945, 75, 900, 285}};
  Frame Frame1{form, "Frame1", "Item Requests:  0", {45, 495, 2205, 3825}};
  ListBox Requests{Frame1, "Requests", {105, 285, 1995, 3435}};
  Frame Frame2{form, "Frame2", "Description", {2355, 495, 2205, 1800}};
  Label Label1{Frame2, "Label1", "Step one", {105, 285, 1995, 600}};
  TextBox Text1{Frame2, "Text1", "was sent", {105, 900, 1995, 285}};
  TextBox Text2{
      form, "Text2", "Message here.\r\n", {2355, 2400, 2205, 900}, TextBoxStyle::kMultiLine};
  ComboBox Combo1{form, "Combo1", {2355, 3400, 2205, 315}};
  ListBox PeopleServed{form, "PeopleServed", {0, 0, 300, 300}, Visibility::kHidden};
  ProgressBar ProgressBar1{form, "ProgressBar1", {45, 4380, 4500, 120}};
  StatusBar StatusBar1{form, "StatusBar1", "0 Mails, 0 People Served", {0, 4500, 4605, 285}};
  Timer ChatTimer{form, "ChatTimer", 5000};
  Timer RequestTimer{form, "RequestTimer", 100};

  Menu menu{form};
  MenuEntry optionsMenu{menu, "optionsMenu", "options"};
  MenuEntry Settings{optionsMenu, "settingsMenu", "Settings"};
  MenuEntry findrequestlimit{Settings, "findrequestlimit", "Pending Find Request Limit:  5"};
  MenuEntry separator1{Settings, "", kSeparatorCaption};
  MenuEntry acceptpackrequestsmenu{Settings, "acceptpackrequestsmenu", "Accept Pack Requests",
                                   MenuCheck::kChecked, MenuState::kDisabled};
  MenuEntry handle{Settings, "handle", "Serving Handle:  [Screenname]"};
  MenuEntry SendLists{optionsMenu, "sendListsMenu", "Send Lists"};
  MenuEntry onrequest{SendLists, "onrequest", "On Request"};
  MenuEntry everyminute{SendLists, "everyminute", "Every Minute", MenuCheck::kChecked};
  MenuEntry listdesignermenu{optionsMenu, "listdesignermenu", "List Designer..."};

  // What the next close does (on_close sets it).
  CloseAction close_action = CloseAction::kUnload;
  // Characters on_key_press saw, per control.
  std::string combo_keys;
  std::string text_keys;
  // What Combo1's key press handler does with a character: swallow Enter, as a form that acts on
  // Enter does.
  bool swallow_enter = true;

 private:
  std::vector<std::string> events_;
};

}  // namespace ui::testing
